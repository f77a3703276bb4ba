#pragma once
// The instruction screens: eight fixed pages of text, one per feature or
// topic, chosen from a topic menu.  They go to the screen only, never into
// the report file.

inline constexpr int instructiontopics = 8;

// The topic menu, ending in its prompt; its answers are 1 to
// instructiontopics.
extern const char instructiontopicmenu[];

// Shows the 23-line screen of topic (1 to instructiontopics) and waits for
// ENTER: any line counts, and its text is dropped.
void showinstructions(int topic);
