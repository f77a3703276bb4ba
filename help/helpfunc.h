#pragma once
// The instruction screens.

// Shows the topic menu, one 23-line screen, and waits for ENTER.
void instruct(int* primealg);
