// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// Runs `handler` whenever the focus leaves `field` for another control of its
// window; the window itself losing the focus (another window activated, a
// menu opened) does not count.
void OnFieldExit(QWidget *field, std::function<void()> handler);
