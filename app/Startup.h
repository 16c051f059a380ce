#pragma once
// The program's start-up: one copy at a time, Windows 95/98/ME only, then
// the hidden main form and the message loop until the program is
// terminated. The entry (Quorvel.cpp) runs it; the start-up benchmark runs
// the same sequence in its own process.

int RunQuorvel();
