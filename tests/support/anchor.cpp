// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the support library non-empty.
