#pragma once

class Controls;

// Plays the solution for 3, 4 or 5 disks, drawn at random, one move a tick.
void StartDemo(Controls &form);

// One move of the running demonstration; the last one stops it and locks the disks.
void Timer1_Timer(Controls &form);
