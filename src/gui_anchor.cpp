// Keeps the library non-empty before any window exists.
