#pragma once

class PrinterCanvas;

// Conversions between millimetres, screen pixels and printer pixels. Every one truncates
// toward zero, never rounds, so a page prints the same on every run. ppi is the main
// window's logical resolution, read afresh by each caller.

// A length in millimetres as whole screen pixels: ppi * (mm / 25.4) in extended precision.
int MmToPixels(double mm, int ppi);

// A length or position in screen pixels as printer pixels of a printer with the given
// resolution: the ratio is kept as a double, the product taken in extended precision.
int PixelsToPrinter(int px, int printerResolution, int ppi);
int PixelsToPrinterX(int px, const PrinterCanvas &canvas, int ppi);
int PixelsToPrinterY(int px, const PrinterCanvas &canvas, int ppi);

// The preview page shows the sheet at 1 : 3.05: millimetres on paper as preview pixels.
int PreviewPixels(int mm, int ppi);
