// The page's own code, after the engine's loader in the same module.  The
// state lives in the URL fragment: #set=047, #a=014&b=23b,
// #list=047,037,0148&measure=ASIM&cluster=1, each with &alg=forte for
// Forte's prime forms and &notes=1 for note names.  Every action of the
// user makes a new fragment; render() draws the view of the fragment, so a
// link, a reload and the back button all show the same view.  Input the
// engine refuses shows its message beside its field and changes nothing
// else: no new fragment is made.

const byId = (id) => document.getElementById(id);

// The fragment's state and its text.
function stateOf(fragment) {
  const fields = new URLSearchParams(fragment.replace(/^#/, ''));
  const state = {
    view: 'one',
    set: fields.get('set') ?? '',
    a: fields.get('a') ?? '',
    b: fields.get('b') ?? '',
    list: (fields.get('list') ?? '').split(',').filter((set) => set !== ''),
    measure: fields.get('measure') ?? '',
    cluster: fields.get('cluster') === '1',
    forte: fields.get('alg') === 'forte',
    notes: fields.get('notes') === '1',
  };
  if (fields.has('a') || fields.has('b')) state.view = 'two';
  if (fields.has('list')) state.view = 'list';
  return state;
}

function fragmentOf(state) {
  const fields = new URLSearchParams();
  if (state.view === 'one') fields.set('set', state.set);
  if (state.view === 'two') {
    fields.set('a', state.a);
    fields.set('b', state.b);
  }
  if (state.view === 'list') {
    fields.set('list', state.list.join(','));
    fields.set('measure', state.measure);
    if (state.cluster) fields.set('cluster', '1');
  }
  if (state.forte) fields.set('alg', 'forte');
  if (state.notes) fields.set('notes', '1');
  return `#${fields.toString().replace(/%2C/g, ',')}`;
}

// Shows the state: a new history entry, then render() by hashchange.
function go(changes) {
  const fragment = fragmentOf({ ...stateOf(location.hash), ...changes });
  if (fragment === location.hash) return;
  location.hash = fragment;
}

// Inline pictures share the page's ids: each picture's ids take a prefix,
// and the references to them follow.
function insertPicture(container, text, prefix) {
  const parsed = new DOMParser().parseFromString(text, 'image/svg+xml').documentElement;
  const svg = document.importNode(parsed, true);
  for (const element of svg.querySelectorAll('[id]')) element.id = `${prefix}-${element.id}`;
  const names = svg.getAttribute('aria-labelledby') ?? '';
  svg.setAttribute('aria-labelledby', names.split(' ').map((id) => `${prefix}-${id}`).join(' '));
  for (const element of svg.querySelectorAll('[fill^="url(#"]')) {
    element.setAttribute('fill', element.getAttribute('fill').replace('url(#', `url(#${prefix}-`));
  }
  container.replaceChildren(svg);
  return svg;
}

// The picture offered as a file.
function offerDownload(link, text, name) {
  if (link.href) URL.revokeObjectURL(link.href);
  link.href = URL.createObjectURL(new Blob([text], { type: 'image/svg+xml' }));
  link.download = name;
  link.hidden = false;
}

function showMessage(id, text) {
  byId(id).textContent = text;
}

function tableRow(cells, header = 0) {
  const row = document.createElement('tr');
  cells.forEach((cell, k) => {
    const element = document.createElement(k < header ? 'th' : 'td');
    if (k < header) element.scope = 'row';
    if (cell instanceof Node) element.append(cell);
    else element.textContent = cell;
    if (/^[\d.]+( %)?$/.test(element.textContent)) element.className = 'number';
    row.append(element);
  });
  return row;
}

function link(fragment, text) {
  const anchor = document.createElement('a');
  anchor.href = fragment;
  anchor.textContent = text;
  return anchor;
}

class Page {
  constructor(engine) {
    this.engine = engine;
    this.state = stateOf('');
    // The last view of each kind, for the tabs.
    this.tabs = { one: '#set=', two: '#a=&b=', list: '#list=' };
    this.shownSet = '';  // the set of the one-set view, as digits
    this.list = null;  // the heatmap drawn: its picture, labels, values and layout
    this.cursor = null;  // the heatmap's cell under the keyboard, or null
    this.fillMeasures();
    this.makePositions();
    this.listen();
  }

  // Reading what the user typed; null (and the message) for a refusal.
  read(text, messageId) {
    const answer = this.engine.readSet(text, this.state.notes, this.state.forte);
    showMessage(messageId, answer.error ?? '');
    return answer.error === undefined ? answer.set : null;
  }

  // A field keeps what the user typed while it reads as the set shown.
  fill(input, digits) {
    const typed = this.engine.readSet(input.value, this.state.notes, this.state.forte);
    if (typed.set !== digits) input.value = this.engine.writeSet(digits, this.state.notes);
  }

  fillMeasures() {
    const select = byId('list-measure');
    for (const measure of this.engine.measures()) {
      select.add(new Option(`${measure.number}. ${measure.name} (${measure.kind})`, measure.name));
    }
  }

  // Twelve buttons over the clock face's positions, made once so that focus
  // stays on the one pressed while the picture is drawn again.
  makePositions() {
    const group = byId('one-positions');
    for (let pc = 0; pc < 12; ++pc) {
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'position';
      button.setAttribute('aria-label', `pitch class ${pc}`);
      button.setAttribute('aria-pressed', 'false');
      button.addEventListener('click', () => this.toggle(pc));
      group.append(button);
    }
  }

  toggle(pc) {
    const digit = pc.toString(16);
    const shown = this.shownSet;
    const set = shown.includes(digit)
      ? shown.replace(digit, '')
      : [...shown, digit].sort((x, y) => parseInt(x, 16) - parseInt(y, 16)).join('');
    go({ view: 'one', set });
  }

  listen() {
    window.addEventListener('hashchange', () => this.render());
    byId('one-form').addEventListener('submit', (event) => {
      event.preventDefault();
      const set = this.read(byId('one-input').value, 'one-message');
      if (set !== null) go({ view: 'one', set });
    });
    byId('two-form').addEventListener('submit', (event) => {
      event.preventDefault();
      const a = this.read(byId('two-a').value, 'two-a-message');
      const b = this.read(byId('two-b').value, 'two-b-message');
      if (a !== null && b !== null) go({ view: 'two', a, b });
    });
    byId('list-form').addEventListener('submit', (event) => {
      event.preventDefault();
      this.submitList();
    });
    for (const radio of document.querySelectorAll('input[name="algorithm"]')) {
      radio.addEventListener('change', () => go({ forte: radio.value === 'forte' }));
    }
    for (const radio of document.querySelectorAll('input[name="notation"]')) {
      radio.addEventListener('change', () => go({ notes: radio.value === 'notes' }));
    }
    const heatmap = byId('list-heatmap');
    heatmap.addEventListener('pointermove', (event) => this.point(event));
    heatmap.addEventListener('pointerleave', () => this.showCell(this.cursor));
    heatmap.addEventListener('keydown', (event) => this.moveCursor(event));
    heatmap.addEventListener('blur', () => {
      this.cursor = null;
      this.showCell(null);
    });
  }

  render() {
    this.state = stateOf(location.hash);
    const { view, forte, notes } = this.state;
    document.querySelector(`input[name="algorithm"][value="${forte ? 'forte' : 'rahn'}"]`)
      .checked = true;
    document.querySelector(`input[name="notation"][value="${notes ? 'notes' : 'digits'}"]`)
      .checked = true;
    for (const name of ['one', 'two', 'list']) {
      byId(name).hidden = name !== view;
      const tab = byId(`tab-${name}`);
      if (name === view) tab.setAttribute('aria-current', 'page');
      else tab.removeAttribute('aria-current');
    }
    if (view === 'one') this.renderOne();
    if (view === 'two') this.renderTwo();
    if (view === 'list') this.renderList();
    this.tabs[view] = fragmentOf(this.state);
    for (const [name, fragment] of Object.entries(this.tabs)) {
      byId(`tab-${name}`).href = fragmentOf({ ...stateOf(fragment), forte, notes });
    }
  }

  renderOne() {
    const { set, forte, notes } = this.state;
    const view = this.engine.oneSet(set, forte, notes);
    if (view.error !== undefined) {
      byId('one-input').value = set;
      showMessage('one-message', view.error);
      return;
    }
    showMessage('one-message', '');
    this.shownSet = view.set;
    this.fill(byId('one-input'), view.set);
    const svg = insertPicture(byId('one-clock'), view.clock, 'one');
    this.placePositions(svg);
    byId('one-positions').hidden = false;
    offerDownload(byId('one-download'), view.clock, `pelantor-clock-${view.set || 'empty'}.svg`);
    const buttons = byId('one-positions').children;
    for (let pc = 0; pc < 12; ++pc) {
      buttons[pc].setAttribute('aria-pressed', String(view.set.includes(pc.toString(16))));
    }
    const shown = view.report !== '';
    byId('one-report').textContent = view.report;
    byId('one-report').hidden = !shown;
    byId('one-empty').hidden = shown;
    byId('one-related-part').hidden = !shown;
    const names = { complement: 'Literal complement', z: 'Z-correspondent', m: 'M-partner' };
    byId('one-related').replaceChildren(...view.related.map((item) => {
      const entry = document.createElement('li');
      entry.append(`${names[item.relation]}: `,
        link(fragmentOf({ ...this.state, set: item.set }), `${item.shown} ${item.label}`));
      return entry;
    }));
  }

  // Each button over the middle of its dot and label, in the picture's units.
  placePositions(svg) {
    const box = svg.viewBox.baseVal;
    const buttons = byId('one-positions').children;
    for (let pc = 0; pc < 12; ++pc) {
      const position = svg.querySelector(`#one-pc-${pc}`);
      const dot = position.querySelector('circle');
      const label = position.querySelector('text');
      const x = (dot.cx.baseVal.value + label.x.baseVal[0].value) / 2;
      const y = (dot.cy.baseVal.value + label.y.baseVal[0].value) / 2;
      buttons[pc].style.left = `${(100 * (x - box.x)) / box.width}%`;
      buttons[pc].style.top = `${(100 * (y - box.y)) / box.height}%`;
    }
  }

  renderTwo() {
    const { a, b, forte, notes } = this.state;
    const results = byId('two-results');
    if (a === '' || b === '') {
      results.hidden = true;
      return;
    }
    const view = this.engine.twoSets(a, b, forte, notes);
    if (view.error !== undefined) {
      byId('two-a').value = a;
      byId('two-b').value = b;
      showMessage(`two-${view.field}-message`, view.error);
      return;
    }
    showMessage('two-a-message', '');
    showMessage('two-b-message', '');
    this.fill(byId('two-a'), view.a);
    this.fill(byId('two-b'), view.b);
    insertPicture(byId('two-clock-a'), view.clockA, 'two-a');
    insertPicture(byId('two-clock-b'), view.clockB, 'two-b');
    const operators = byId('two-operators');
    operators.textContent = view.operators ?? '';
    operators.hidden = view.operators === undefined;
    byId('two-operators-note').textContent = view.operators === undefined
      ? 'Operators map a set only onto a set of the same size (cardinality).' : '';
    const measures = view.measures ?? [];
    byId('two-measures').tBodies[0].replaceChildren(
      ...measures.map((m) => tableRow([m.name, m.kind, m.ab, m.ba], 1)));
    byId('two-measures-part').hidden = view.measures === undefined;
    byId('two-measures-note').textContent = view.measures === undefined
      ? 'The measures compare sets of 2 to 10 pitch classes.' : '';
    results.hidden = false;
  }

  // The list as typed; the comparison made for it is kept for render(),
  // which would otherwise make it again for the new fragment.
  submitList() {
    const { forte, notes } = this.state;
    const measure = byId('list-measure').value;
    const cluster = byId('list-cluster').checked;
    const view = this.engine.setList(byId('list-input').value, notes, forte, measure, cluster);
    if (view.error !== undefined) {
      showMessage('list-message', view.error);
      return;
    }
    showMessage('list-message', '');
    const state = { view: 'list', list: view.sets, measure: view.measure, cluster };
    this.kept = { fragment: fragmentOf({ ...this.state, ...state }), view };
    go(state);
  }

  renderList() {
    const { list, forte, notes } = this.state;
    const measure = this.state.measure || byId('list-measure').options[0].value;
    byId('list-measure').value = measure;
    byId('list-cluster').checked = this.state.cluster;
    if (list.length === 0) {
      byId('list-results').hidden = true;
      return;
    }
    const fragment = fragmentOf(this.state);
    const view = this.kept?.fragment === fragment
      ? this.kept.view
      : this.engine.setList(list.join('\n'), false, forte, measure, this.state.cluster);
    this.kept = null;
    if (view.error !== undefined) {
      byId('list-input').value = list.join('\n');
      showMessage('list-message', view.error);
      return;
    }
    showMessage('list-message', '');
    const typed = this.engine.readList(byId('list-input').value, notes, forte);
    if (typed.error !== undefined || typed.sets.join() !== view.sets.join()) {
      byId('list-input').value = view.sets.map((set) => this.engine.writeSet(set, notes))
        .join('\n');
    }
    this.drawHeatmap(view);
    this.fillFigures(view);
    byId('list-results').hidden = false;
  }

  drawHeatmap(view) {
    const svg = insertPicture(byId('list-heatmap'), view.heatmap, 'list');
    const cells = svg.querySelector('#list-cells');
    const numbers = (name) => cells.dataset[name].split(' ').map(Number);
    this.list = {
      svg,
      labels: view.labels,
      values: view.values.split(' '),
      left: Number(cells.dataset.left),
      top: Number(cells.dataset.top),
      side: Number(cells.dataset.cell),
      rows: numbers('rows'),
      cols: numbers('cols'),
      marker: null,
    };
    this.cursor = null;
    offerDownload(byId('list-download'), view.heatmap,
      `pelantor-heatmap-${view.measure.replace(/[^A-Za-z0-9]+/g, '')}.svg`);
  }

  fillFigures(view) {
    const { forte, notes } = this.state;
    byId('list-figures').tBodies[0].replaceChildren(...view.rows.map((row, k) => tableRow([
      String(k + 1),
      link(fragmentOf({ view: 'one', set: row.set, forte, notes }), `{${row.set}}`),
      row.prime, row.label, row.average, row.smallest, row.largest,
    ], 1)));
    byId('list-average').textContent = view.average;
    const total = view.sets.length;
    byId('list-counts').tBodies[0].replaceChildren(...view.counts.map((count) => tableRow([
      count.label, count.prime, String(count.count),
      `${((100 * count.count) / total).toFixed(1)} %`,
    ], 1)));
  }

  // The cell at a point of the screen: {row, col} in the drawing order.
  cellAt(clientX, clientY) {
    const { svg, left, top, side, rows } = this.list;
    const point = new DOMPoint(clientX, clientY).matrixTransform(svg.getScreenCTM().inverse());
    const row = Math.floor((point.y - top) / side);
    const col = Math.floor((point.x - left) / side);
    const inside = row >= 0 && row < rows.length && col >= 0 && col < this.list.cols.length;
    return inside ? { row, col } : null;
  }

  point(event) {
    if (this.list === null) return;
    this.showCell(this.cellAt(event.clientX, event.clientY) ?? this.cursor);
  }

  moveCursor(event) {
    if (this.list === null) return;
    const steps = {
      ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1],
    };
    const last = { row: this.list.rows.length - 1, col: this.list.cols.length - 1 };
    let cell = this.cursor ?? { row: 0, col: 0 };
    if (event.key in steps && this.cursor !== null) {
      const [down, right] = steps[event.key];
      cell = {
        row: Math.min(Math.max(cell.row + down, 0), last.row),
        col: Math.min(Math.max(cell.col + right, 0), last.col),
      };
    } else if (event.key === 'Home') {
      cell = { row: cell.row, col: 0 };
    } else if (event.key === 'End') {
      cell = { row: cell.row, col: last.col };
    } else if (event.key === 'Escape') {
      this.cursor = null;
      this.showCell(null);
      return;
    } else if (!(event.key in steps)) {
      return;
    }
    event.preventDefault();
    this.cursor = cell;
    this.showCell(cell);
  }

  // The sets and value of a cell in the tooltip, the cell outlined; null
  // hides both.
  showCell(cell) {
    const tooltip = byId('list-tooltip');
    const list = this.list;
    if (list === null) return;
    list.marker?.remove();
    list.marker = null;
    if (cell === null) {
      tooltip.textContent = '';
      return;
    }
    const i = list.rows[cell.row];
    const j = list.cols[cell.col];
    tooltip.textContent =
      `${list.labels[i]}, ${list.labels[j]}: ${list.values[i * list.cols.length + j]}`;
    const marker = document.createElementNS('http://www.w3.org/2000/svg', 'rect');
    for (const [name, value] of Object.entries({
      x: list.left + cell.col * list.side, y: list.top + cell.row * list.side,
      width: list.side, height: list.side,
    })) marker.setAttribute(name, value);
    marker.setAttribute('class', 'cursor');
    list.svg.append(marker);
    list.marker = marker;
    // Below and right of the cell, or left of it where the figure ends.
    const figure = byId('list-figure').getBoundingClientRect();
    const box = marker.getBoundingClientRect();
    const right = box.right - figure.left + 4;
    const fits = right + tooltip.offsetWidth <= figure.width;
    tooltip.style.left = `${fits ? right : Math.max(0, box.left - figure.left - 4 - tooltip.offsetWidth)}px`;
    tooltip.style.top = `${box.bottom - figure.top + 4}px`;
  }
}

// The engine's .wasm is fetched and compiled here, whatever type the server
// gives the file (compiling as it streams in needs application/wasm).
function loadEngine() {
  const wasm = new URL('pelantor.wasm', import.meta.url);
  return createEngine({
    instantiateWasm(imports, receive) {
      fetch(wasm)
        .then((response) => {
          if (!response.ok) throw new Error(`${wasm.pathname}: ${response.status} ${response.statusText}`);
          return response.arrayBuffer();
        })
        .then((bytes) => WebAssembly.instantiate(bytes, imports))
        .then((made) => receive(made.instance, made.module))
        .catch(showFailure);
      return {};
    },
  });
}

function showFailure(problem) {
  byId('loading').textContent = `The engine could not be loaded: ${problem.message ?? problem}`;
}

loadEngine().then((engine) => {
  const page = new Page(engine);
  byId('version').textContent = `Pelantor ${engine.version()}`;
  page.render();
  byId('loading').hidden = true;
  document.body.dataset.ready = String(Math.round(performance.now()));
}, showFailure);
