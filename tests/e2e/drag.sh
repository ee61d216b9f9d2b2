#!/bin/sh
# Plays the first moves of a game in the real window with real pointer events:
# an accepted drop, a refused one, and two steps back.
PROGRAM=$1
. "$(dirname "$0")/lib.sh"

DARK_RED=192,0,0
ORANGE=255,128,0
BROWN=128,64,64

# Centres of disks 0 and 1 on the left peg, and the free band at the top of each peg.
disk0_x=2487 disk0_y=942
disk1_x=2487 disk1_y=1227
band_y=700
peg_x() { echo $((2467 + 3000 * $1)); }

start_program
expect_colour "disk 0 starts on the left peg" $disk0_x $disk0_y $DARK_RED

drag $disk0_x $disk0_y "$(peg_x 2)" $band_y
expect_colour "disk 0 dropped on the right peg" $((disk0_x + 6000)) $disk0_y $DARK_RED
expect_colour "the left peg shows where disk 0 was" $disk0_x $disk0_y $BROWN

drag $disk1_x $disk1_y "$(peg_x 2)" $band_y
expect_colour "disk 1 refused by the narrower disk 0" $disk1_x $disk1_y $ORANGE

drag $disk1_x $disk1_y "$(peg_x 1)" $band_y
expect_colour "disk 1 dropped on the middle peg" $((disk1_x + 3000)) $disk1_y $ORANGE

step_back_x=2287 step_back_y=202
click $step_back_x $step_back_y
expect_colour "first step back leaves disk 1 where it is" $((disk1_x + 3000)) $disk1_y $ORANGE
click $step_back_x $step_back_y
expect_colour "second step back puts disk 1 back" $disk1_x $disk1_y $ORANGE
expect_colour "disk 0 still on the right peg" $((disk0_x + 6000)) $disk0_y $DARK_RED

drag $disk0_x $disk0_y "$(peg_x 2)" 5000
expect_colour "a release off every peg leaves disk 0 in place" $((disk0_x + 6000)) $disk0_y $DARK_RED

finish
