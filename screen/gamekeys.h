// SPDX-License-Identifier: MIT
#pragma once

class QKeyEvent;

// The keys that stand for the action buttons: 1, 2 and 3 on the main keys
// or on the keypad, where Num Lock off makes them End, Down and Page Down.
// The action's index 0..2, or -1 for any other key.
int actionOfKey(const QKeyEvent &event);
