// Test helper: holds the instance lock at the path given, says so, and waits to be killed.
#include "InstanceLock.h"

#include <QCoreApplication>

#include <cstdio>
#include <thread>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    orbivane::InstanceLock lock(QString::fromLocal8Bit(argv[1]));
    std::puts(lock.acquire() ? "locked" : "busy");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(60));
    return 0;
}
