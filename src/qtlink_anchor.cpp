// Keeps the library non-empty before any serial code exists.
