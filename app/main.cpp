// vexa: the terminal front end of the structural-design calculations.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include <pthread.h>
#include <spawn.h>

#include <CLI/CLI.hpp>
#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include <dlfcn.h>
#include <unistd.h>

#include "BatchRunner.h"
#include "CLoadDataTable.h"
#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "CliDriver.h"
#include "DrawingWriter.h"
#include "PluginLoader.h"
#include "VexaDrawingService.h"
#include "VexaFileWrite.h"
#include "VexaFormat.h"
#include "WordRender.h"

extern char** environ;

namespace {
constexpr const char* kVersion = "vexa 0.1.0";

// Records the drawing commands a calculation sends (there is no CAD host here).
class RecordingCadSink : public IVexaCadSink {
public:
    void Command(const VexaCadCommand&) override {}
};

// Prints a summary block indented under its heading, mark-up turned into reading text.
void PrintBlock(const std::string& heading, const std::string& text) {
    if (text.empty()) {
        return;
    }
    std::cout << heading << "\n";
    std::string line;
    for (char ch : TranString(text) + "\n") {
        if (ch == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            line.erase(0, line.find_first_not_of(" \t") == std::string::npos ? line.size()
                                                                              : line.find_first_not_of(" \t"));
            if (!line.empty()) {
                std::cout << "  " << line << "\n";
            }
            line.clear();
        } else {
            line += ch;
        }
    }
}

nlohmann::ordered_json TypedValue(const std::string& type, const std::string& text) {
    if (type == "double") {
        return std::stod(text);
    }
    if (type == "int") {
        return std::stoi(text);
    }
    if (type == "int[]") {
        nlohmann::ordered_json arr = nlohmann::ordered_json::array();
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t comma = text.find(',', start);
            if (comma == std::string::npos) {
                comma = text.size();
            }
            arr.push_back(std::stoi(text.substr(start, comma - start)));
            start = comma + 1;
        }
        return arr;
    }
    return text;
}

nlohmann::ordered_json FieldsJson(const std::vector<std::pair<std::string, std::string>>& values,
                          const std::vector<std::pair<std::string, std::string>>& types) {
    nlohmann::ordered_json obj = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < values.size(); ++i) {
        obj[values[i].first] = TypedValue(types[i].second, values[i].second);
    }
    return obj;
}

bool OpenStore(const std::string& storeOption) {
    const std::string path = storeOption.empty() ? CVexaSave::DefaultPath() : storeOption;
    std::string error;
    if (!CVexaSave::Open(path, error)) {
        std::cerr << "vexa: " << error << "\n";
        return false;
    }
    return true;
}

void PrintUnknownCommand(const std::string& code) {
    std::cerr << fmt::format("vexa: 未知的计算代码“{}”。可用的计算：\n", code);
    for (const _tagCaltInfo& info : g_VexaMainInfo.GetCaltFuncs()) {
        std::cerr << fmt::format("  {}\t{}\n", info.strCode, info.strName);
    }
}

int CmdList() {
    for (const _tagCaltInfo& info : g_VexaMainInfo.GetCaltFuncs()) {
        std::cout << info.strCode << "\t" << info.strCategory << "\t" << info.strName << "\n";
    }
    return kExitOk;
}

int CmdParams(const std::string& code, const std::string& store, bool json) {
    if (g_VexaMainInfo.FindCaltFunc(code) == nullptr) {
        PrintUnknownCommand(code);
        return kExitUsage;
    }
    if (!OpenStore(store)) {
        return kExitCannot;
    }
    CliRunRequest request;
    request.paramsOnly = true;
    CliRunOutcome outcome;
    CliDriver driver(request, outcome);
    VexaSetDriver(&driver);
    g_VexaMainInfo.RunCommand(code);
    VexaSetDriver(nullptr);
    if (!outcome.ran) {
        std::cerr << "vexa: " << g_VexaMainInfo.GetCmdMessage() << "\n";
        return kExitCannot;
    }
    if (json) {
        nlohmann::ordered_json out{{"code", code}, {"params", FieldsJson(outcome.params, outcome.paramTypes)}};
        std::cout << out.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    } else {
        for (const auto& [key, value] : outcome.params) {
            std::cout << key << "=" << value << "\n";
        }
    }
    return kExitOk;
}

// `vexa sections`: the section families (name, rows, source); with a family, its rows and
// their plate dimensions, the user's rows of that family after the system rows.
int CmdSections(const std::string& family, const std::string& store) {
    if (!OpenStore(store)) {
        return kExitCannot;
    }
    const std::vector<std::string> system = CLoadDataTable::GetSysTemTableNames();
    const std::vector<std::string> user = CLoadDataTable::GetUserTableNames();
    if (family.empty()) {
        for (const std::string& name : system) {
            std::cout << name << "\t" << CLoadDataTable::GetSysTemJMItems(name).size() << "\t"
                      << CLoadDataTable::GetTableSource(name) << "\n";
        }
        for (const std::string& name : user) {
            std::cout << name << "\t" << CLoadDataTable::GetUserJMItems(name).size() << "\t用户截面\n";
        }
        return kExitOk;
    }
    std::vector<CDataItem> rows = CLoadDataTable::GetSysTemJMItems(family);
    for (CDataItem& row : CLoadDataTable::GetUserJMItems(family)) {
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        std::cerr << fmt::format("vexa: 未知的截面类型“{}”。可用的截面类型：\n", family);
        for (const std::string& name : system) {
            std::cerr << "  " << name << "\n";
        }
        for (const std::string& name : user) {
            std::cerr << "  " << name << "\n";
        }
        return kExitUsage;
    }
    // The designation and the plate dimensions; a family the library does not know shows its
    // "(mm)" columns.
    const std::vector<std::string>& columns = rows.front().GetColumnNames();
    const int known = CLoadDataTable::GetMainColumnCount(family);
    std::vector<int> shown{0};
    for (int i = 1; i < static_cast<int>(columns.size()); ++i) {
        if (known > 0 ? i <= known : columns[static_cast<std::size_t>(i)].ends_with("(mm)")) {
            shown.push_back(i);
        }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        std::cout << (i ? "\t" : "") << columns[static_cast<std::size_t>(shown[i])];
    }
    std::cout << "\n";
    for (const CDataItem& row : rows) {
        for (std::size_t i = 0; i < shown.size(); ++i) {
            std::string text;
            row.GetCellValue(shown[i], text);
            std::cout << (i ? "\t" : "") << text;
        }
        std::cout << "\n";
    }
    return kExitOk;
}

nlohmann::ordered_json DrawParamsJson(const std::vector<VexaDrawValue>& values) {
    nlohmann::ordered_json obj = nlohmann::ordered_json::object();
    for (const VexaDrawValue& v : values) {
        obj[v.key] = TypedValue(v.type, v.text);
    }
    return obj;
}

// Renders the book and writes its file whole; false with a message printed.
bool WriteBook(const CWordRenderer& renderer, const CWordObject& book, const std::string& path) {
    std::string bytes;
    try {
        bytes = renderer.Render(book);
    } catch (const std::exception& e) {
        std::cerr << fmt::format("vexa: 无法生成计算书文件 {}：{}\n", path, e.what());
        return false;
    }
    if (!VexaWriteFileWhole(path, bytes)) {
        std::cerr << fmt::format("vexa: 无法写入计算书文件 {}。\n", path);
        return false;
    }
    return true;
}

// Draws `command` from the saved drawing parameters into `path`; false with a message printed.
bool WriteDrawing(const std::string& command, const std::string& path) {
    auto writer = CDrawingWriter::ForFile(path);
    CVexaDrawing drawing;
    std::string error;
    if (!VexaDrawCommand(command, drawing, error) || !writer->WriteFile(drawing, path, error)) {
        std::cerr << "vexa: " << error << "\n";
        return false;
    }
    return true;
}

int CmdDraw(const std::string& command, const std::string& out, const std::string& store) {
    if (!VexaIsDrawCommand(command)) {
        std::cerr << fmt::format("vexa: 未知的绘图命令“{}”。可用的绘图命令：", command);
        for (const std::string& c : VexaDrawCommands()) {
            std::cerr << " " << c;
        }
        std::cerr << "\n";
        return kExitUsage;
    }
    if (!CDrawingWriter::ForFile(out)) {
        std::cerr << fmt::format("vexa: 不能按文件“{}”的扩展名输出图形；可用：{}。\n", out, CDrawingWriter::KnownExtensions());
        return kExitUsage;
    }
    if (!OpenStore(store)) {
        return kExitCannot;
    }
    if (!WriteDrawing(command, out)) {
        return kExitCannot;
    }
    std::cout << "图形: " << out << "\n";
    return kExitOk;
}

int CmdRun(const std::string& code, const std::vector<std::string>& setArgs, const std::string& bookPath,
           bool json, bool draw, const std::string& drawingPath, const std::string& store) {
    if (g_VexaMainInfo.FindCaltFunc(code) == nullptr) {
        PrintUnknownCommand(code);
        return kExitUsage;
    }
    CliRunRequest request;
    request.draw = draw;
    for (const std::string& arg : setArgs) {
        const auto eq = arg.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::cerr << fmt::format("vexa: --set 应写成 KEY=VALUE，而不是“{}”。\n", arg);
            return kExitUsage;
        }
        request.sets.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
    }
    std::unique_ptr<CWordRenderer> renderer;
    if (!bookPath.empty()) {
        renderer = CWordRenderer::ForFile(bookPath);
        if (!renderer) {
            std::cerr << fmt::format("vexa: 不能按文件“{}”的扩展名输出计算书；可用：{}。\n", bookPath,
                                     CWordRenderer::KnownExtensions());
            return kExitUsage;
        }
    }
    if (!drawingPath.empty()) {
        if (!draw) {
            std::cerr << "vexa: --drawing 需要与 --draw 一起使用。\n";
            return kExitUsage;
        }
        if (!CDrawingWriter::ForFile(drawingPath)) {
            std::cerr << fmt::format("vexa: 不能按文件“{}”的扩展名输出图形；可用：{}。\n", drawingPath,
                                     CDrawingWriter::KnownExtensions());
            return kExitUsage;
        }
    }
    if (!OpenStore(store)) {
        return kExitCannot;
    }

    RecordingCadSink sink;
    g_VexaMainInfo.SetCadSink(&sink);
    CliRunOutcome outcome;
    CliDriver driver(request, outcome);
    VexaSetDriver(&driver);
    g_VexaMainInfo.RunCommand(code);
    VexaSetDriver(nullptr);
    g_VexaMainInfo.SetCadSink(nullptr);

    if (!outcome.ran) {
        std::cerr << "vexa: " << g_VexaMainInfo.GetCmdMessage() << "\n";
        return kExitCannot;
    }
    for (const std::string& e : outcome.usageErrors) {
        std::cerr << "vexa: " << e << "\n";
    }
    if (outcome.status == kExitUsage || outcome.status == kExitCannot) {
        return outcome.status;
    }

    const VexaCmdSummary& summary = g_VexaMainInfo.GetCurCmdSummary();
    if (outcome.calculated && renderer) {
        // The file's properties: the calculation and the member.
        outcome.book.SetProperties({outcome.title, VexaTrimNewlines(summary.number)});
        if (!WriteBook(*renderer, outcome.book, bookPath)) {
            return kExitCannot;
        }
    }

    // What the CAD host would draw on the command just sent.
    if (!drawingPath.empty() && outcome.drawn && !g_VexaMainInfo.GetSentCommands().empty()) {
        if (!WriteDrawing(g_VexaMainInfo.GetSentCommands().back().command, drawingPath)) {
            return kExitCannot;
        }
    }

    if (json) {
        nlohmann::ordered_json advice = nlohmann::ordered_json::array();
        nlohmann::ordered_json errors = nlohmann::ordered_json::array();
        for (const VexaMessage& m : outcome.messages) {
            (m.kind == VexaMessageKind::Advice || m.kind == VexaMessageKind::Box ? advice : errors)
                .push_back(VexaTrimNewlines(m.text));
        }
        nlohmann::ordered_json cad = nlohmann::ordered_json::array();
        for (const VexaCadCommand& c : g_VexaMainInfo.GetSentCommands()) {
            cad.push_back({{"command", c.command}, {"section", c.section}, {"params", DrawParamsJson(c.params)}});
        }
        nlohmann::ordered_json out{
            {"code", code},
            {"title", outcome.title},
            {"calculated", outcome.calculated},
            {"advice", advice},
            {"errors", errors},
            {"params", FieldsJson(outcome.params, outcome.paramTypes)},
            {"results", FieldsJson(outcome.results, outcome.resultTypes)},
            {"summary",
             {{"type", summary.type},
              {"number", summary.number},
              {"dimensions", summary.dimInfo},
              {"loads", summary.loadInfo},
              {"result", summary.resultInfo}}},
            {"cad_commands", cad},
        };
        if (draw) {
            out["drawn"] = outcome.drawn;
        }
        if (!drawingPath.empty() && outcome.drawn) {
            out["drawing"] = drawingPath;
        }
        if (!bookPath.empty() && outcome.calculated) {
            out["book"] = bookPath;
        }
        std::cout << out.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
        return outcome.status;
    }

    for (const VexaMessage& m : outcome.messages) {
        std::cerr << VexaMessageHeading(m.kind) << "：" << VexaTrimNewlines(m.text) << "\n";
    }
    if (!outcome.calculated) {
        std::cerr << "vexa: 输入未通过检查，未计算，参数未保存。\n";
        return outcome.status;
    }
    std::cout << summary.type << (summary.type.empty() || summary.type.back() == '\n' ? "" : "\n");
    if (!summary.number.empty()) {
        std::cout << "构件编号: " << summary.number << "\n";
    }
    PrintBlock("尺寸:", summary.dimInfo);
    PrintBlock("荷载:", summary.loadInfo);
    PrintBlock("结果:", summary.resultInfo);
    for (const VexaCadCommand& c : g_VexaMainInfo.GetSentCommands()) {
        std::cout << "绘图命令: " << VexaTrimNewlines(c.command) << " (" << c.section << ")\n";
        for (const VexaDrawValue& v : c.params) {
            std::cout << "  " << v.key << "=" << v.text << "\n";
        }
    }
    if (!bookPath.empty()) {
        std::cout << "计算书: " << bookPath << "\n";
    }
    if (!drawingPath.empty() && outcome.drawn) {
        std::cout << "图形: " << drawingPath << "\n";
    }
    if (draw && !outcome.drawn) {
        std::cerr << "vexa: 绘图未通过检查，未发送绘图命令。\n";
    }
    return outcome.status;
}
// Opens `url` in the desktop's browser (xdg-open), without waiting for it.
void OpenBrowser(const std::string& url) {
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);  // the browser gets the signals this program waits for
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK);
    std::string program = "xdg-open";
    std::string arg = url;
    char* args[] = {program.data(), arg.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), nullptr, &attr, args, environ) != 0) {
        std::cerr << "vexa: 未能打开浏览器（没有 xdg-open）：请手动打开上面的地址。\n";
    }
    posix_spawnattr_destroy(&attr);
}

// A directory of the server's own for files on their way to the browser; removed at the end.
std::string MakeTempDir() {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "vexa-serve-XXXXXX").string();
    if (ec || mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    return pattern;
}

// `vexa serve`: the calculations in the browser until Ctrl+C (SIGINT) or SIGTERM. The server
// (and the HTTP and TLS libraries under it) is a library of its own, loaded for this command
// only, so that every other command starts without it.
int CmdServe(int port, bool open, const std::string& store) {
    if (!OpenStore(store)) {
        return kExitCannot;
    }
    using ServeEntry = int (*)(int port, bool open, const char* tempDir, void (*openBrowser)(const char* url));
    std::string path = "libvexa_serve.so";
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && self.has_parent_path()) {
        path = (self.parent_path() / "libvexa_serve.so").string();
    }
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto serve = library != nullptr ? reinterpret_cast<ServeEntry>(::dlsym(library, "VexaServe")) : nullptr;
    if (serve == nullptr) {
        const char* why = ::dlerror();
        std::cerr << fmt::format("vexa: 无法载入浏览器界面的服务库（{}）。\n", why != nullptr ? why : path);
        return kExitCannot;
    }
    const std::string tempDir = MakeTempDir();
    if (tempDir.empty()) {
        std::cerr << "vexa: 无法建立临时目录。\n";
        return kExitCannot;
    }
    const int status = serve(port, open, tempDir.c_str(), [](const char* url) { OpenBrowser(url); });
    std::filesystem::remove_all(tempDir, ec);
    return status;
}

// `vexa batch`: the store is read as it stands and never written (the dialog opens afterwards
// with what it opened with before).
int CmdBatch(VexaBatchOptions options, const std::string& storeOption) {
    if (g_VexaMainInfo.FindCaltFunc(options.code) == nullptr) {
        PrintUnknownCommand(options.code);
        return kExitUsage;
    }
    const std::string path = storeOption.empty() ? CVexaSave::DefaultPath() : storeOption;
    std::string error;
    if (!CVexaSave::OpenSnapshot(path, error)) {
        std::cerr << "vexa: " << error << "\n";
        return kExitCannot;
    }
    options.progress = ::isatty(STDERR_FILENO) == 1;
    return VexaRunBatch(options);
}
}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"vexa — 结构设计计算（混凝土、砌体、桩基、钢骨混凝土），按中国设计规范。", "vexa"};
    app.set_version_flag("--version", kVersion);
    app.require_subcommand(1);
    std::string store;
    app.add_option("--store", store, "参数库文件（默认 $VEXA_STORE 或 ~/.config/vexa/vexa.db）");
    app.fallthrough();

    auto* list = app.add_subcommand("list", "列出全部计算：代码、类别、名称");

    std::string code;
    std::vector<std::string> sets;
    std::string book;
    bool json = false;
    auto* run = app.add_subcommand("run", "按默认值或给定参数运行一项计算");
    run->add_option("CODE", code, "计算代码（见 vexa list）")->required();
    run->add_option("--set", sets, "KEY=VALUE：参数键名（如 /m_dB 或 m_dB）或页面上的标签，及其值")
        ->allow_extra_args(false);
    run->add_option("--book", book, "把计算书写入文件（.docx、.pdf、.html、.txt）");
    run->add_flag("--json", json, "以一个 JSON 对象输出");
    bool draw = false;
    run->add_flag("--draw", draw, "计算后在绘图页按【绘制】：保存绘图参数并发送绘图命令");
    std::string drawing;
    run->add_option("--drawing", drawing, "与 --draw 一起：把绘出的图形写入文件（.dxf、.svg）");

    std::string drawCommand;
    std::string drawOut;
    auto* drawCmd = app.add_subcommand("draw", "按参数库中已保存的绘图参数执行绘图命令，写出图形");
    drawCmd->add_option("COMMAND", drawCommand, "绘图命令：VEXALZSHGJHZH、ZJLFJHXGJ、VEXAGLHZH、VEXATLHZH")->required();
    drawCmd->add_option("--out", drawOut, "图形文件（.dxf、.svg）")->required();

    std::string paramsCode;
    bool paramsJson = false;
    auto* params = app.add_subcommand("params", "显示参数库中某项计算的参数（无则为默认值）");
    params->add_option("CODE", paramsCode, "计算代码")->required();
    params->add_flag("--json", paramsJson, "以 JSON 输出");

    VexaBatchOptions batchOptions;
    auto* batch = app.add_subcommand("batch", "按构件表（CSV、XLSX）逐行计算：每行一个构件，标题为参数键名或标签");
    batch->add_option("CODE", batchOptions.code, "计算代码（见 vexa list）")->required();
    batch->add_option("FILE", batchOptions.input, "构件表文件（.csv、.xlsx）")->required();
    batch->add_option("--out", batchOptions.out, "结果文件（.csv、.xlsx）；不给时以 CSV 输出到标准输出");
    batch->add_option("--books", batchOptions.booksDir, "为每个构件写一份计算书到此目录");
    batch->add_option("--book-format", batchOptions.bookFormat, "计算书格式（html、txt、docx、pdf），默认 html");
    batch->add_option("--jobs", batchOptions.jobs, "并行的计算进程数，默认为处理器核数")->check(CLI::NonNegativeNumber);

    std::string sectionFamily;
    auto* sections = app.add_subcommand("sections", "列出型钢截面库：各截面类型及其行数；给出类型时列出其截面及主要尺寸");
    sections->add_option("FAMILY", sectionFamily, "截面类型（如 热轧普通工字钢）");

    int servePort = 8650;
    bool serveOpen = false;
    auto* serve = app.add_subcommand("serve", "在浏览器中使用各项计算：启动本机网页服务，打印要打开的地址");
    serve->add_option("--port", servePort, "端口（默认 8650；0 为任一空闲端口）");
    serve->add_flag("--open", serveOpen, "启动后用桌面浏览器打开该地址");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? kExitOk : kExitUsage;
    }

    if (sections->parsed()) {  // the section library is the host's own: no plug-in needed
        const int rc = CmdSections(sectionFamily, store);
        CVexaSave::Close();
        return rc;
    }

    PluginLoader loader;
    std::string error;
    if (!loader.Load(PluginLoader::DefaultPath(), error)) {
        std::cerr << "vexa: " << error << "\n";
        return kExitCannot;
    }

    int status = kExitOk;
    if (list->parsed()) {
        status = CmdList();
    } else if (run->parsed()) {
        status = CmdRun(code, sets, book, json, draw, drawing, store);
    } else if (drawCmd->parsed()) {
        status = CmdDraw(drawCommand, drawOut, store);
    } else if (params->parsed()) {
        status = CmdParams(paramsCode, store, paramsJson);
    } else if (serve->parsed()) {
        status = CmdServe(servePort, serveOpen, store);
    } else if (batch->parsed()) {
        status = CmdBatch(batchOptions, store);
    }
    loader.Unload();
    CVexaSave::Close();
    return status;
}
