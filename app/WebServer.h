// The local web server of `vexa serve`: bound to 127.0.0.1 only, a random token required on
// every request, requests naming another host or coming from another origin refused, bounded
// sizes; it serves the embedded front end and hands the browser's actions to the session.
#pragma once

#include <memory>
#include <string>

class WebSession;

class WebServer {
public:
    explicit WebServer(WebSession& session);
    ~WebServer();
    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Binds to 127.0.0.1:`port` (0: a free port the system chooses). False with a message.
    bool Bind(int port, std::string& error);
    int Port() const;
    // The address to open: http://127.0.0.1:PORT/?token=TOKEN
    std::string Url() const;
    // Serves until Stop (from another thread) is called.
    void Listen();
    void Stop();

    // Largest request body and the time the server waits for the session to answer.
    static constexpr std::size_t kMaxBody = 64 * 1024;
    static constexpr int kAnswerSeconds = 60;

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};
