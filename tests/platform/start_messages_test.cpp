// SPDX-License-Identifier: GPL-3.0-or-later
// What Qt says while the program connects to the display is held back, whichever
// thread says it, and none of it is lost.

#include <QTemporaryFile>
#include <QTest>
#include <latch>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/start_messages.h"

class StartMessagesTest : public QObject {
    Q_OBJECT
private slots:
    void heldBackFromEveryThread()
    {
        QTemporaryFile printed;
        QVERIFY(printed.open());
        const int stderrCopy = dup(STDERR_FILENO);
        dup2(printed.handle(), STDERR_FILENO);
        orbalune::GuardStart("no display");
        constexpr int kThreads = 8;
        constexpr int kEach = 20000;
        std::latch start(kThreads);  // all at once, for the most contention
        std::vector<std::jthread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([t, &start] {
                start.arrive_and_wait();
                for (int i = 0; i < kEach; ++i) {
                    qInfo("thread %d, message %d", t, i);
                }
            });
        }
        threads.clear();  // joins them
        orbalune::ReleaseStartMessages();
        std::fflush(stderr);
        dup2(stderrCopy, STDERR_FILENO);
        printed.seek(0);
        QCOMPARE(printed.readAll().count('\n'), kThreads * kEach);
    }
};

QTEST_GUILESS_MAIN(StartMessagesTest)
#include "start_messages_test.moc"
