// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/server_pixels.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QWidget>

namespace orbalune {

void LetServerFinishReading(QWidget& window)
{
    static const bool sharedWithServer = QGuiApplication::platformName() == QLatin1String("xcb");
    QBackingStore* store = sharedWithServer ? window.backingStore() : nullptr;
    if (store != nullptr && !store->size().isEmpty()) {  // empty: nothing was painted yet
        // An empty paint opened and closed: Qt waits for the server here, and draws nothing.
        store->beginPaint(QRegion(window.rect()));
        store->endPaint();
    }
}

}  // namespace orbalune
