#pragma once
// The meter's tick with the details window shown and hidden: the sample,
// the tray icon and tooltip, and the three labels and bars, until the
// bars' pixels are on the screen.

void BenchDetailsTick();
