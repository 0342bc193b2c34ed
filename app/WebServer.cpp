// The web server of `vexa serve`: the checks every request passes, the assets and the routes.
#include "WebServer.h"

#include <cctype>
#include <random>

#include <fmt/format.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include "WebAssets.h"
#include "WebSession.h"

namespace {
constexpr const char* kHost = "127.0.0.1";
constexpr const char* kTokenHeader = "X-Vexa-Token";

// What the page may load and where it may send: its own assets, pictures as data, nothing else.
constexpr const char* kPagePolicy =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' data:; connect-src 'self'; "
    "frame-src 'self'; frame-ancestors 'none'; base-uri 'none'; form-action 'none'";
// A book shown in the page's frame: no scripts, no requests, only its own styles and pictures.
constexpr const char* kDocumentPolicy =
    "sandbox; default-src 'none'; style-src 'unsafe-inline'; img-src data:; frame-ancestors 'self'";

std::string NewToken() {
    std::random_device device;  // the system's random source
    std::string token;
    for (int i = 0; i < 4; ++i) {
        token += fmt::format("{:08x}", static_cast<unsigned>(device()));
    }
    return token;
}

bool SameText(const std::string& a, const std::string& b) {
    // Compared in full whatever differs first.
    unsigned char diff = a.size() == b.size() ? 0 : 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        diff |= static_cast<unsigned char>(a[i] ^ (i < b.size() ? b[i] : 0));
    }
    return diff == 0;
}

std::string PercentEncode(const std::string& text) {
    std::string out;
    for (unsigned char ch : text) {
        if (std::isalnum(ch) || ch == '.' || ch == '-' || ch == '_') {
            out += static_cast<char>(ch);
        } else {
            out += fmt::format("%{:02X}", ch);
        }
    }
    return out;
}

void Refuse(httplib::Response& res, int status, const std::string& text) {
    res.status = status;
    res.set_content(text + "\n", "text/plain; charset=utf-8");
}

void Send(httplib::Response& res, const WebReply& reply) {
    res.status = reply.status;
    if (!reply.fileName.empty()) {
        res.set_header("Content-Disposition", fmt::format("attachment; filename=\"{}\"; filename*=UTF-8''{}",
                                                          reply.fileName, PercentEncode(reply.fileNameUtf8)));
    } else if (reply.contentType.starts_with("text/html") || reply.contentType.starts_with("image/svg")) {
        res.set_header("Content-Security-Policy", kDocumentPolicy);
    }
    res.set_content(reply.body, reply.contentType);
}

std::string AssetText(const char* name) {
    const VexaWebAsset* asset = VexaFindWebAsset(name);
    return asset ? std::string(reinterpret_cast<const char*>(asset->data), asset->size) : std::string();
}
}  // namespace

struct WebServer::Impl {
    explicit Impl(WebSession& s) : session(s), token(NewToken()) {}
    WebSession& session;
    httplib::Server server;
    std::string token;
    int port = 0;

    // The reason to refuse a request, "" when it may pass.
    std::string Refusal(const httplib::Request& req) const {
        const std::string self = fmt::format("{}:{}", kHost, port);
        const std::string local = fmt::format("localhost:{}", port);
        const std::string host = req.get_header_value("Host");
        if (host != self && host != local) {
            return "vexa: 主机名不符，拒绝访问。";  // another name for this address: DNS rebinding
        }
        if (req.has_header("Origin")) {
            const std::string origin = req.get_header_value("Origin");
            if (origin != "http://" + self && origin != "http://" + local) {
                return "vexa: 来源不符，拒绝访问。";
            }
        }
        const std::string site = req.get_header_value("Sec-Fetch-Site");
        if (site == "cross-site" || site == "same-site") {
            return "vexa: 来自其他网站的请求，拒绝访问。";
        }
        const std::string given = req.has_header(kTokenHeader) ? req.get_header_value(kTokenHeader)
                                                                : req.get_param_value("token");
        if (!SameText(given, token)) {
            return "vexa: 缺少或错误的访问令牌：请打开 vexa serve 启动时打印的地址。";
        }
        return {};
    }

    void Asset(httplib::Response& res, const char* name, const char* type) {
        const VexaWebAsset* asset = VexaFindWebAsset(name);
        if (asset == nullptr) {
            Refuse(res, 404, "vexa: 没有这个文件。");
            return;
        }
        res.set_content(reinterpret_cast<const char*>(asset->data), asset->size, type);
    }

    // A GET route that names the open calculation and a format: handed to the session.
    void Document(const httplib::Request& req, httplib::Response& res, const char* action) {
        nlohmann::json request{{"action", action}, {"format", req.get_param_value("format")},
                               {"download", req.get_param_value("download") == "1"}};
        try {
            request["dialog"] = std::stoi(req.get_param_value("dialog"));
        } catch (const std::exception&) {
            Refuse(res, 400, "vexa: 缺少 dialog。");
            return;
        }
        Send(res, session.Post(std::move(request), std::chrono::seconds(kAnswerSeconds)));
    }

    void Routes() {
        server.new_task_queue = [] { return new httplib::ThreadPool(4); };
        server.set_payload_max_length(kMaxBody);
        server.set_read_timeout(10);
        server.set_write_timeout(10);
        server.set_keep_alive_max_count(100);
        server.set_keep_alive_timeout(5);
        server.set_default_headers({
            {"Cache-Control", "no-store"},
            {"X-Content-Type-Options", "nosniff"},
            {"Referrer-Policy", "no-referrer"},
        });
        server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
            const std::string refusal = Refusal(req);
            if (refusal.empty()) {
                return httplib::Server::HandlerResponse::Unhandled;
            }
            Refuse(res, 403, refusal);
            return httplib::Server::HandlerResponse::Handled;
        });
        server.Get("/", [this](const httplib::Request&, httplib::Response& res) {
            std::string page = AssetText("index.html");
            for (std::size_t at = page.find("{{TOKEN}}"); at != std::string::npos; at = page.find("{{TOKEN}}")) {
                page.replace(at, 9, token);
            }
            res.set_header("Content-Security-Policy", kPagePolicy);
            res.set_content(page, "text/html; charset=utf-8");
        });
        server.Get("/app.js", [this](const httplib::Request&, httplib::Response& res) {
            Asset(res, "app.js", "text/javascript; charset=utf-8");
        });
        server.Get("/app.css", [this](const httplib::Request&, httplib::Response& res) {
            Asset(res, "app.css", "text/css; charset=utf-8");
        });
        server.Post("/api/action", [this](const httplib::Request& req, httplib::Response& res) {
            nlohmann::json request = nlohmann::json::parse(req.body, nullptr, false);
            if (request.is_discarded() || !request.is_object() || !request.contains("action") ||
                !request["action"].is_string() || request["action"] == "quit") {
                Refuse(res, 400, "vexa: 请求应为一个 JSON 对象，含 action。");
                return;
            }
            Send(res, session.Post(std::move(request), std::chrono::seconds(kAnswerSeconds)));
        });
        server.Get("/api/book", [this](const httplib::Request& req, httplib::Response& res) {
            Document(req, res, "book");
        });
        server.Get("/api/drawing", [this](const httplib::Request& req, httplib::Response& res) {
            Document(req, res, "drawing");
        });
        server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
            if (res.body.empty()) {
                Refuse(res, res.status, fmt::format("vexa: HTTP {}", res.status));
            }
        });
    }
};

WebServer::WebServer(WebSession& session) : m(std::make_unique<Impl>(session)) { m->Routes(); }

WebServer::~WebServer() = default;

bool WebServer::Bind(int port, std::string& error) {
    if (port < 0 || port > 65535) {
        error = fmt::format("端口应在 0～65535 之间，而不是 {}。", port);
        return false;
    }
    if (port == 0) {
        m->port = m->server.bind_to_any_port(kHost);
    } else if (m->server.bind_to_port(kHost, port)) {
        m->port = port;
    } else {
        m->port = -1;
    }
    if (m->port <= 0) {
        error = port == 0 ? std::string("无法在 127.0.0.1 上监听。")
                          : fmt::format("无法在 127.0.0.1:{} 上监听（端口已被占用？可用 --port 选择其他端口，0 为任一空闲端口）。", port);
        return false;
    }
    return true;
}

int WebServer::Port() const { return m->port; }

std::string WebServer::Url() const { return fmt::format("http://{}:{}/?token={}", kHost, m->port, m->token); }

void WebServer::Listen() { m->server.listen_after_bind(); }

void WebServer::Stop() { m->server.stop(); }
