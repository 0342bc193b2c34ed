// `vexa batch`: rows handed to worker processes (the framework runs one command at a time per
// process), results gathered back in row order, a worker that dies replaced without its row.
#include "BatchRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include <fmt/format.h>

#include "BatchCsv.h"
#include "BatchXlsx.h"
#include "CVexaMainInfo.h"
#include "CVexaParam.h"
#include "CliDriver.h"
#include "VexaFormat.h"
#include "VexaSession.h"
#include "VexaFileWrite.h"
#include "WordRender.h"

namespace {

const char* const kCalculated = "calculated";
const char* const kRefused = "refused";
const char* const kError = "error";

std::string Lower(std::string s) {
    for (char& ch : s) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return s;
}

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

// Without spaces, tabs and line ends at either end.
std::string_view TrimView(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The summary's result text as reading text: mark-up removed, one line per line, no indents.
std::string ReadingText(const std::string& text) {
    const std::string reading = TranString(text);
    std::string out;
    for (std::size_t start = 0; start <= reading.size();) {
        std::size_t end = reading.find('\n', start);
        if (end == std::string::npos) {
            end = reading.size();
        }
        const std::string_view line = TrimView(std::string_view(reading).substr(start, end - start));
        if (!line.empty()) {
            if (!out.empty()) {
                out += '\n';
            }
            out += line;
        }
        start = end + 1;
    }
    return out;
}

// The cells of a member's line in the results list, one after another: row number, member,
// status, messages, the named results in the order of the keys, the summary's result text.
template <class Cell>
void ForEachResultCell(const std::vector<std::string>& resultKeys, const VexaBatchRow& r, Cell&& cell) {
    char number[16];
    cell(std::string_view(number, static_cast<std::size_t>(std::to_chars(number, number + sizeof number, r.row).ptr - number)));
    cell(r.member);
    cell(r.status);
    cell(r.messages);
    // The results come in the order of the keys: each is looked for from where the last was.
    std::size_t next = 0;
    const std::size_t n = r.results.size();
    for (const std::string& key : resultKeys) {
        std::size_t k = 0;
        while (k < n && r.results[(next + k) % n].first != key) {
            ++k;
        }
        if (k < n) {
            const std::size_t at = (next + k) % n;
            cell(r.results[at].second);
            next = at + 1;
        } else {
            cell(std::string_view());
        }
    }
    cell(r.result);
}

// --- what the table's header names, checked once before the rows run ---

class HeaderDriver : public IVexaDriver {
public:
    explicit HeaderDriver(const std::vector<std::string>& header) : m_header(header) {}
    int Run(CVexaTabDlg& dialog) override {
        m_ran = true;
        std::string error;
        if (dialog.GetParam() == nullptr || !dialog.Open(error)) {
            m_errors.push_back(error.empty() ? "计算没有参数对象" : error);
            return 0;
        }
        for (const VexaField& f : dialog.GetParam()->GetResultFields()) {
            m_resultKeys.emplace_back(f.key);
        }
        VexaSession session(dialog);
        for (const std::string& name : m_header) {
            if (TrimView(name).empty()) {
                continue;
            }
            VexaControlRef ref;
            if (!session.Find(name, ref)) {
                m_errors.push_back(fmt::format("标题“{}”不是这项计算的参数。", name));
                continue;
            }
            if (ref.page->GetDrawButtonId() != 0) {
                m_errors.push_back(fmt::format("标题“{}”是绘图页的参数，批量计算不绘图。", name));
            }
        }
        if (!m_errors.empty()) {
            std::string valid = "可用的参数：";
            const auto names = session.Names();
            for (std::size_t i = 0; i < names.size(); ++i) {
                valid += (i ? "，" : "") + names[i];
            }
            m_errors.push_back(valid);
        }
        return 1;
    }
    bool ran() const { return m_ran; }
    const std::vector<std::string>& errors() const { return m_errors; }
    const std::vector<std::string>& resultKeys() const { return m_resultKeys; }

private:
    const std::vector<std::string>& m_header;
    bool m_ran = false;
    std::vector<std::string> m_errors;
    std::vector<std::string> m_resultKeys;
};

// --- one row ---

struct BatchJob {
    const VexaBatchOptions& options;
    const VexaBatchTable& table;
    std::unique_ptr<CWordRenderer> renderer;  // with --books
    int nameWidth = 1;
    std::vector<std::string> resultKeys;      // the named results, as the results list has them
    // Every row opens the dialog from the same snapshot of the store: what the header's names
    // lead to is looked up in the first row a worker runs (each worker has its own after the fork).
    mutable VexaFindMemo finds;
};

// No drawing goes out of a batch.
class DiscardCadSink : public IVexaCadSink {
public:
    void Command(const VexaCadCommand&) override {}
};

VexaBatchRow RunRow(const BatchJob& job, std::size_t index) {
    VexaBatchRow row;
    row.row = job.table.rowNumbers[index];
    CliRunRequest request;
    request.sets = VexaBatchSettings(job.table, index);
    request.memberOfRefused = true;
    request.book = job.renderer != nullptr;
    request.reportParams = false;   // the results list shows the results, not the settings
    request.reportTypes = false;
    request.finds = &job.finds;
    CliRunOutcome outcome;
    CliDriver driver(request, outcome);
    DiscardCadSink sink;
    g_VexaMainInfo.SetCadSink(&sink);
    VexaSetDriver(&driver);
    std::string failure;
    try {
        g_VexaMainInfo.RunCommand(job.options.code);
    } catch (const std::exception& e) {
        failure = fmt::format("计算异常终止：{}", e.what());
    }
    VexaSetDriver(nullptr);
    g_VexaMainInfo.SetCadSink(nullptr);

    std::vector<std::string> lines = outcome.usageErrors;
    for (const VexaMessage& m : outcome.messages) {
        lines.push_back(fmt::format("{}：{}", VexaMessageHeading(m.kind), VexaTrimNewlines(m.text)));
    }
    if (!failure.empty()) {
        lines.push_back(failure);
    } else if (!outcome.ran) {
        lines.push_back(g_VexaMainInfo.GetCmdMessage());
    }
    row.member = outcome.member;
    if (!failure.empty() || !outcome.ran || outcome.status == kExitUsage || outcome.status == kExitCannot) {
        row.status = kError;
    } else if (!outcome.calculated) {
        row.status = kRefused;
    } else {
        row.status = kCalculated;
        row.results = std::move(outcome.results);
        row.result = ReadingText(g_VexaMainInfo.GetCurCmdSummary().resultInfo);
        if (job.renderer) {
            const std::string name = VexaBatchBookName(row.row, row.member, job.nameWidth, job.options.bookFormat);
            const std::string path = (std::filesystem::path(job.options.booksDir) / name).string();
            // The file's properties: the calculation and the member, as `vexa run` gives them.
            outcome.book.SetProperties({outcome.title, VexaTrimNewlines(row.member)});
            std::string bytes;
            try {
                bytes = job.renderer->Render(outcome.book);
            } catch (const std::exception& e) {
                lines.push_back(fmt::format("无法生成计算书文件 {}：{}", path, e.what()));
                row.status = kError;
            }
            if (row.status != kError && !VexaWriteFileWhole(path, bytes)) {
                lines.push_back(fmt::format("无法写入计算书文件 {}。", path));
                row.status = kError;
            }
        }
    }
    for (const std::string& line : lines) {
        row.messages += (row.messages.empty() ? "" : "\n") + line;
    }
    return row;
}

// --- the records workers send back: length-prefixed strings ---
// A record: the row's index, then the cells of its line in the results list.

void PutString(std::string& out, std::string_view s) {
    const auto n = static_cast<std::uint32_t>(s.size());
    out.append(reinterpret_cast<const char*>(&n), sizeof n);
    out += s;
}

// Reads one string at `pos`, moving past it; false (and `pos` kept) when it is not all there.
bool GetString(std::string_view in, std::size_t& pos, std::string_view& s) {
    std::uint32_t n = 0;
    if (pos > in.size() || in.size() - pos < sizeof n) {
        return false;
    }
    std::memcpy(&n, in.data() + pos, sizeof n);
    if (in.size() - pos - sizeof n < n) {
        return false;
    }
    s = in.substr(pos + sizeof n, n);
    pos += sizeof n + n;
    return true;
}

// The cells of `encoded`, as strings or as views of it.
template <class Cell>
bool DecodeCells(std::string_view encoded, std::vector<Cell>& cells) {
    cells.clear();
    std::size_t pos = 0;
    std::string_view cell;
    while (pos < encoded.size()) {
        if (!GetString(encoded, pos, cell)) {
            return false;
        }
        cells.emplace_back(cell);
    }
    return true;
}

// The status cell (the third: row, member, status, ...) of well-formed cells; false otherwise.
bool StatusCell(std::string_view encoded, std::string_view& status) {
    std::size_t pos = 0;
    std::string_view cell;
    int count = 0;
    while (pos < encoded.size()) {
        if (!GetString(encoded, pos, cell)) {
            return false;
        }
        if (count++ == 2) {
            status = cell;
        }
    }
    return count > 2;
}

// A record's index and cells; false when it is not one.
bool DecodeRecord(std::string_view body, std::size_t& index, std::string_view& cells) {
    std::size_t pos = 0;
    std::string_view indexText;
    if (!GetString(body, pos, indexText) || indexText.empty()) {
        return false;
    }
    const auto [end, ec] = std::from_chars(indexText.data(), indexText.data() + indexText.size(), index);
    if (ec != std::errc() || end != indexText.data() + indexText.size()) {
        return false;
    }
    cells = body.substr(pos);
    return true;
}

// One member's outcome as the results list keeps it until it is written.
struct ResultLine {
    bool reported = false;
    bool calculated = false;
    std::string cells;   // its line's cells, length-prefixed one after another
};

// The results list goes out in pieces of about this size.
constexpr std::size_t kCsvPiece = std::size_t{1} << 18;

// The cells of a member's line, length-prefixed, appended to `out`.
void AppendResultCells(std::string& out, const BatchJob& job, const VexaBatchRow& row) {
    ForEachResultCell(job.resultKeys, row, [&](std::string_view cell) { PutString(out, cell); });
}

ResultLine MakeResultLine(const BatchJob& job, const VexaBatchRow& row) {
    ResultLine line{true, row.status == kCalculated, {}};
    AppendResultCells(line.cells, job, row);
    return line;
}

// A worker's record of a row, appended to `out`: its length, the row's index, the cells.
void AppendRecord(std::string& out, std::size_t index, const BatchJob& job, const VexaBatchRow& row) {
    const std::size_t at = out.size();
    PutString(out, {});   // the length, filled in below
    char number[24];
    PutString(out, std::string_view(number, static_cast<std::size_t>(std::to_chars(number, number + sizeof number, index).ptr - number)));
    AppendResultCells(out, job, row);
    const auto n = static_cast<std::uint32_t>(out.size() - at - sizeof(std::uint32_t));
    std::memcpy(out.data() + at, &n, sizeof n);
}

// --- the workers ---

struct Worker {
    pid_t pid = -1;
    int fd = -1;
    std::size_t next = 0;  // first row of its range not reported yet
    std::size_t end = 0;
    std::string buffer;
};

[[noreturn]] void WorkerMain(const BatchJob& job, std::size_t begin, std::size_t end, int fd) {
    // Records are small and sent a few rows at a time.
    std::string pending;
    for (std::size_t i = begin; i < end; ++i) {
        AppendRecord(pending, i, job, RunRow(job, i));
        if (pending.size() > 16384 || i + 1 == end) {
            if (!VexaWriteAll(fd, pending)) {
                ::_exit(3);
            }
            pending.clear();
        }
    }
    ::close(fd);
    ::_exit(0);
}

std::optional<Worker> Spawn(const BatchJob& job, std::size_t begin, std::size_t end) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return std::nullopt;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::cout.flush();
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        ::close(fds[0]);
        WorkerMain(job, begin, end, fds[1]);
    }
    ::close(fds[1]);
    return Worker{pid, fds[0], begin, end, {}};
}

std::string DeathMessage(int status) {
    if (WIFSIGNALED(status)) {
        return fmt::format("错误：计算进程异常终止（信号 {}），此构件未计算。", WTERMSIG(status));
    }
    return fmt::format("错误：计算进程异常终止（退出码 {}），此构件未计算。", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

class ProgressBar {
public:
    ProgressBar(bool shown, std::size_t total) : m_shown(shown), m_total(total) {}
    void Update(std::size_t done, bool last = false) {
        if (!m_shown) {
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (!last && now - m_lastDraw < std::chrono::milliseconds(100)) {
            return;
        }
        m_lastDraw = now;
        constexpr int kWidth = 30;
        const double share = m_total == 0 ? 1.0 : double(done) / double(m_total);
        const int filled = static_cast<int>(share * kWidth);
        std::string bar(static_cast<std::size_t>(filled), '#');
        bar.append(static_cast<std::size_t>(kWidth - filled), '.');
        std::cerr << fmt::format("\r[{}] {}/{} {:3d}%", bar, done, m_total, static_cast<int>(share * 100)) << std::flush;
        if (last) {
            std::cerr << "\n";
        }
    }

private:
    bool m_shown;
    std::size_t m_total;
    std::chrono::steady_clock::time_point m_lastDraw{};
};

// Runs every row in worker processes; rows[i] receives row i's outcome. `inOrder`, when given,
// is handed each row as soon as it and every row before it are in (it may take the cells).
void RunRows(const BatchJob& job, std::vector<ResultLine>& rows, int jobs,
             const std::function<void(ResultLine&)>& inOrder = {}) {
    const std::size_t total = rows.size();
    ProgressBar progress(job.options.progress, total);
    std::size_t done = 0;
    std::size_t handed = 0;
    auto hand = [&]() {
        while (inOrder && handed < total && rows[handed].reported) {
            inOrder(rows[handed++]);
        }
    };
    std::vector<Worker> workers;
    auto markFailed = [&](std::size_t index, const std::string& message) {
        VexaBatchRow failed;
        failed.row = job.table.rowNumbers[index];
        failed.status = kError;
        failed.messages = message;
        rows[index] = MakeResultLine(job, failed);
        ++done;
    };
    auto start = [&](std::size_t begin, std::size_t end) {
        if (begin >= end) {
            return;
        }
        if (std::optional<Worker> w = Spawn(job, begin, end)) {
            workers.push_back(std::move(*w));
        } else {
            // No process to be had: the rows run here, one after another.
            for (std::size_t i = begin; i < end; ++i) {
                rows[i] = MakeResultLine(job, RunRow(job, i));
                ++done;
                hand();
            }
        }
    };
    const std::size_t n = std::max<std::size_t>(1, std::min<std::size_t>(static_cast<std::size_t>(jobs), total));
    for (std::size_t k = 0; k < n; ++k) {
        start(total * k / n, total * (k + 1) / n);
    }
    char buf[65536];
    while (!workers.empty()) {
        std::vector<pollfd> fds;
        for (const Worker& w : workers) {
            fds.push_back(pollfd{w.fd, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        for (std::size_t k = 0; k < fds.size(); ++k) {
            if (fds[k].revents == 0) {
                continue;
            }
            Worker& w = workers[k];
            const ssize_t got = ::read(w.fd, buf, sizeof buf);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got > 0) {
                w.buffer.append(buf, static_cast<std::size_t>(got));
                std::size_t pos = 0;
                std::string_view body;
                while (GetString(w.buffer, pos, body)) {
                    std::size_t index = 0;
                    std::string_view encoded;
                    std::string_view status;
                    if (DecodeRecord(body, index, encoded) && index < total && !rows[index].reported &&
                        StatusCell(encoded, status)) {
                        rows[index] = ResultLine{true, status == kCalculated, std::string(encoded)};
                        ++done;
                        w.next = index + 1;
                    }
                }
                // Keep what is left of a record cut by the pipe.
                w.buffer.erase(0, pos);
                hand();
                progress.Update(done);
                continue;
            }
            // The worker is done or has died.
            ::close(w.fd);
            int status = 0;
            while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
            }
            const std::size_t next = w.next, end = w.end;
            const bool clean = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            workers.erase(workers.begin() + static_cast<std::ptrdiff_t>(k));
            if (next < end) {
                markFailed(next, clean ? "错误：计算进程未报告此构件的结果。" : DeathMessage(status));
                start(next + 1, end);
            }
            hand();
            progress.Update(done);
            break;  // the poll list no longer matches the workers
        }
    }
    // Rows no worker reported (none could run them).
    for (std::size_t i = 0; i < total; ++i) {
        if (!rows[i].reported) {
            markFailed(i, "错误：此构件未计算。");
        }
    }
    hand();
    progress.Update(done, true);
}

int Digits(int n) {
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return d;
}
}  // namespace

std::vector<std::pair<std::string, std::string>> VexaBatchSettings(const VexaBatchTable& table, std::size_t row) {
    std::vector<std::pair<std::string, std::string>> sets;
    const std::vector<std::string>& cells = table.rows[row];
    for (std::size_t c = 0; c < table.header.size() && c < cells.size(); ++c) {
        const std::string_view name = TrimView(table.header[c]);
        const std::string_view value = TrimView(cells[c]);
        if (!name.empty() && !value.empty()) {
            sets.emplace_back(name, value);
        }
    }
    return sets;
}

std::vector<std::string> VexaBatchResultHeader(const std::vector<std::string>& resultKeys) {
    std::vector<std::string> header{"row", "member", "status", "messages"};
    header.insert(header.end(), resultKeys.begin(), resultKeys.end());
    header.push_back("result");
    return header;
}

std::vector<std::string> VexaBatchResultLine(const std::vector<std::string>& resultKeys, const VexaBatchRow& r) {
    std::vector<std::string> line;
    line.reserve(resultKeys.size() + 5);
    ForEachResultCell(resultKeys, r, [&](std::string_view cell) { line.emplace_back(cell); });
    return line;
}

std::vector<std::vector<std::string>> VexaBatchResultTable(const std::vector<std::string>& resultKeys,
                                                           const std::vector<VexaBatchRow>& rows) {
    std::vector<std::vector<std::string>> out{VexaBatchResultHeader(resultKeys)};
    for (const VexaBatchRow& r : rows) {
        out.push_back(VexaBatchResultLine(resultKeys, r));
    }
    return out;
}

std::string VexaBatchBookName(int row, const std::string& member, int width, const std::string& ext) {
    std::string name = fmt::format("{:0{}d}", row, width);
    if (!member.empty()) {
        std::string safe;
        for (char ch : member) {
            const auto u = static_cast<unsigned char>(ch);
            safe += (u < 0x20 || ch == '/' || ch == '\\' || ch == ':' || ch == '*' || ch == '?' || ch == '"' ||
                     ch == '<' || ch == '>' || ch == '|')
                        ? '_'
                        : ch;
        }
        name += "-" + safe;
    }
    return name + "." + ext;
}

int VexaRunBatch(const VexaBatchOptions& options) {
    const std::string outExt = Lower(std::filesystem::path(options.out).extension().string());
    if (!options.out.empty() && outExt != ".csv" && outExt != ".xlsx") {
        std::cerr << fmt::format("vexa: 不能按文件“{}”的扩展名输出结果；可用：.csv、.xlsx。\n", options.out);
        return kExitUsage;
    }
    VexaBatchTable table;
    std::string error;
    if (!VexaReadBatchTable(options.input, table, error)) {
        std::cerr << "vexa: " << error << "\n";
        return std::filesystem::exists(options.input) && std::filesystem::path(options.input).has_extension()
                   ? kExitUsage
                   : kExitCannot;
    }
    BatchJob ready{options, table, nullptr, 1, {}, {}};
    if (!options.booksDir.empty()) {
        ready.renderer = CWordRenderer::ForFile("book." + options.bookFormat);
        if (!ready.renderer) {
            std::cerr << fmt::format("vexa: 不能输出“{}”格式的计算书；可用：{}。\n", options.bookFormat,
                                     CWordRenderer::KnownExtensions());
            return kExitUsage;
        }
        int last = 1;
        for (int n : table.rowNumbers) {
            last = std::max(last, n);
        }
        ready.nameWidth = Digits(last);
    }

    HeaderDriver header(table.header);
    VexaSetDriver(&header);
    g_VexaMainInfo.RunCommand(options.code);
    VexaSetDriver(nullptr);
    if (!header.ran()) {
        std::cerr << "vexa: " << g_VexaMainInfo.GetCmdMessage() << "\n";
        return kExitCannot;
    }
    if (!header.errors().empty()) {
        for (const std::string& e : header.errors()) {
            std::cerr << "vexa: " << e << "\n";
        }
        return kExitUsage;
    }

    ready.resultKeys = header.resultKeys();
    std::vector<ResultLine> rows(table.rows.size());
    int jobs = options.jobs;
    if (jobs <= 0) {
        const long cores = ::sysconf(_SC_NPROCESSORS_ONLN);
        jobs = cores > 0 ? static_cast<int>(cores) : 1;
    }
    const std::vector<std::string> resultHeader = VexaBatchResultHeader(ready.resultKeys);
    bool written = true;
    std::vector<std::string> cells;
    std::vector<std::string_view> views;
    if (outExt == ".xlsx") {
        RunRows(ready, rows, jobs);
        std::vector<std::vector<std::string>> results{resultHeader};
        results.reserve(rows.size() + 1);
        for (const ResultLine& line : rows) {
            DecodeCells(line.cells, cells);
            results.push_back(cells);
        }
        std::vector<bool> numeric(resultHeader.size(), false);
        numeric[0] = true;
        for (std::size_t c = 4; c + 1 < numeric.size(); ++c) {
            numeric[c] = true;
        }
        written = VexaWriteXlsx(options.out, "结果", results, numeric);
    } else {
        // The lines go out as the rows come in, in row order, a piece at a time.
        std::string text = options.out.empty() ? "" : "\xEF\xBB\xBF";
        text += VexaCsvRow(resultHeader);
        auto stream = [&](const std::function<bool(std::string_view)>& put) {
            bool ok = true;
            RunRows(ready, rows, jobs, [&](ResultLine& line) {
                DecodeCells(line.cells, views);
                VexaAppendCsvViews(text, views);
                std::string().swap(line.cells);   // what is written is not kept
                if (text.size() >= kCsvPiece) {
                    ok = ok && put(text);
                    text.clear();
                }
            });
            return ok && put(text);
        };
        if (options.out.empty()) {
            written = stream([](std::string_view piece) {
                std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
                return static_cast<bool>(std::cout);
            });
            std::cout.flush();
            written = written && static_cast<bool>(std::cout);
        } else {
            written = VexaWriteFileWhole(options.out, [&](const std::string& temp) {
                const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
                const bool ok = stream([&](std::string_view piece) { return fd >= 0 && VexaWriteAll(fd, piece); });
                return fd >= 0 && ::close(fd) == 0 && ok;
            });
        }
    }
    if (!written) {
        std::cerr << fmt::format("vexa: 无法写入结果文件 {}。\n", options.out);
        return kExitCannot;
    }
    const bool all = std::all_of(rows.begin(), rows.end(), [](const ResultLine& r) { return r.calculated; });
    return all ? kExitOk : kExitRefused;
}
