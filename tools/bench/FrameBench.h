#pragma once
// The skinned frame's costs, on a 306 x 212 Luna frame shown on screen:
// one full non-client repaint, one step of a caption drag, and one tick
// of the hover timer with and without a change of zone, the time from
// the mouse arriving on a caption button to the button lighting up, and
// the time to open the system menu (key press to the popup painted, and
// with its closing).

void BenchSkinnedFrame();
