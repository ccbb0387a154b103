// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace orbalune {

// What the application needs before its window: the names a desktop knows it by,
// Japanese texts in Qt's own dialogs, the Japanese fonts, and no pixmap cache.
void PrepareApplication(QApplication& app);

}  // namespace orbalune
