// SPDX-License-Identifier: GPL-3.0-or-later
import Vantrel.Scene

// The document the shell loads: the scene itself is compiled into the
// program, as the module Vantrel.Scene.
Scene { }
