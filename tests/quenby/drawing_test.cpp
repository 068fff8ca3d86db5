// Rendered pixels: filled in next.
