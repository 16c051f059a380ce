#pragma once
// The meter's tick with the details window shown and hidden: the sample,
// the tray icon and tooltip, and the three labels and bars, until the
// bars' pixels are on the screen; and the details window's share alone.

void BenchDetailsTick();
