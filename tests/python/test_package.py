"""The package as a whole: the examples of docs/python.md and of the
docstrings hold, the stubs name exactly what the module has, and the example
program runs."""

import ast
import doctest
import os
import pathlib
import subprocess
import sys

import pelantor
from pelantor import _engine

ROOT = pathlib.Path(__file__).resolve().parents[2]


def test_the_examples_of_the_documentation_hold():
    failures, tried = doctest.testfile(str(ROOT / "docs/python.md"), module_relative=False)
    assert tried > 30 and failures == 0
    failures, tried = doctest.testmod(pelantor)
    assert tried > 0 and failures == 0


def stub_names(body):
    names = set()
    for node in body:
        if isinstance(node, (ast.FunctionDef, ast.ClassDef)):
            names.add(node.name)
        elif isinstance(node, ast.AnnAssign):
            names.add(node.target.id)
    return names


def public(names):
    return {n for n in names if not n.startswith("_") or n == "__version__"}


def test_the_stubs_name_what_the_module_has():
    tree = ast.parse((pathlib.Path(_engine.__file__).parent / "_engine.pyi").read_text())
    assert public(stub_names(tree.body)) == public(dir(_engine))
    for node in tree.body:
        if isinstance(node, ast.ClassDef):
            assert public(stub_names(node.body)) == public(dir(getattr(_engine, node.name)))
    records = {n for n, v in vars(pelantor._records).items() if isinstance(v, type)
               and issubclass(v, tuple) and v.__module__ == "pelantor._records"}
    assert set(pelantor.__all__) == public(dir(_engine)) | records


def test_the_example_counts_and_says_why_it_draws_no_heatmap(tmp_path):
    (tmp_path / "list.txt").write_text("145\n137\n2193\n145\n")
    environment = dict(os.environ, PYTHONPATH=str(pathlib.Path(pelantor.__file__).parents[1]))
    run = subprocess.run(
        [sys.executable, str(ROOT / "examples/count_classes.py"), "list.txt", "0 3 7", "--tn"],
        cwd=tmp_path, env=environment, capture_output=True, text=True, check=True)
    assert run.stdout.split("\n") == ["3-11A  2", "3-11B  2", "4-20   1", ""]
    drawn = (tmp_path / "heatmap.png").exists()
    assert ("heatmap: heatmap.png" in run.stderr) == drawn
    assert ("matplotlib is not installed" in run.stderr) != drawn
    refused = subprocess.run(
        [sys.executable, str(ROOT / "examples/count_classes.py"), "04x"],
        cwd=tmp_path, env=environment, capture_output=True, text=True)
    assert refused.returncode == 1
    assert refused.stderr == "count_classes: 'x' is not a pitch class\n"
