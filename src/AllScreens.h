#pragma once

// Makes every screen of the program known to the screen registry.
void defineAllScreens();
