#pragma once
// The prompt readers used by every menu and question.  The caller prints the
// prompt; a reader prints only its complaints.  '?', 'h' or 'H' open the
// instruction screens and '#' the algorithm dialogue; the reader then
// returns -1 and the caller asks its question again.

// 1 for yes, 0 for no, -1 ask again.
int getyn(int* primealg);
// A number from lo to hi, or -1 ask again.
int getanswer(int lo, int hi, int* primealg);
// A number from lo to hi, 120 for the letter x, or -1 ask again.
int getanswer2(int lo, int hi, int* primealg);
inline constexpr int answerx = 120;
// 1 when the user typed x or X to go back to the main menu, else 0.
int quitnow();
