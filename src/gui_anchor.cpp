// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the library non-empty before any window exists.
