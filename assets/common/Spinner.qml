// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick.Controls

// A busy mark's spinner, in a file of its own so that the style's spinner
// is read only when a mark first turns.
BusyIndicator {
    height: parent ? parent.height : 0
}
