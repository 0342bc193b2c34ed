// The entry of the browser front end's library: `vexa serve` loads it and serves until Ctrl+C
// (SIGINT) or SIGTERM.
#include <pthread.h>

#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <thread>

#include "CliDriver.h"
#include "WebServer.h"
#include "WebSession.h"

extern "C" __attribute__((visibility("default"))) int VexaServe(int port, bool open, const char* tempDir,
                                                                 void (*openBrowser)(const char* url)) {
    // The signals that end the server are taken by a thread of their own: blocked here, before
    // any thread starts, so that every thread inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    int status = kExitOk;
    {
        WebSession session{std::string(tempDir)};
        WebServer server(session);
        std::string error;
        if (!server.Bind(port, error)) {
            std::cerr << "vexa: " << error << "\n";
            status = kExitCannot;
        } else {
            std::cout << "vexa serve: " << server.Url() << "\n"
                      << "在浏览器中打开上面的地址（只在本机可用，一次打开一项计算）；按 Ctrl+C 结束。" << std::endl;
            if (open) {
                openBrowser(server.Url().c_str());
            }
            std::atomic<bool> signalled{false};
            std::thread waiter([&] {
                int sig = 0;
                sigwait(&stopSignals, &sig);
                signalled = true;
                server.Stop();
            });
            server.Listen();
            if (!signalled) {
                pthread_kill(waiter.native_handle(), SIGTERM);
            }
            waiter.join();
        }
        session.Stop();
    }
    pthread_sigmask(SIG_UNBLOCK, &stopSignals, nullptr);
    return status;
}
