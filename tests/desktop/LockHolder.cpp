// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper: takes the lock file named on the command line the way a running copy does, says "locked"
// on stdout and then waits, so a test can kill it and leave the lock behind.

#include "desktop/StartupChecks.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: startup_lock_holder LOCKFILE\n", stderr);
        return 2;
    }
    tessaline::RunningCopyGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.acquire() || !guard.holdsLock()) {
        std::fputs("not locked\n", stdout);
        return 1;
    }
    std::fputs("locked\n", stdout);
    std::fflush(stdout);
    // Bounded, so a helper the test forgot cannot outlive the test run for long.
    QThread::sleep(120);
    return 0;
}
