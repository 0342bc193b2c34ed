// The calculation the browser works in. One worker thread runs the command functions (all of a
// calculation runs on it, one command at a time, as the framework's modal dialogs do) with a
// driver that serves the browser's actions from a queue while the tab dialog, a nested dialog or
// the section picker is open; the web server's threads post actions and wait for the answers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "CLoadDataTable.h"
#include "CVexaTabDlg.h"
#include "WebDialogView.h"

// An answer for the browser: JSON, or a document (a book, a drawing) to show or to download.
struct WebReply {
    int status = 200;
    std::string contentType = "application/json; charset=utf-8";
    std::string body;
    std::string fileName;      // a download: the file name offered (ASCII); "" = shown in the page
    std::string fileNameUtf8;  // the same with the calculation's title
};

class WebSession : private IVexaDriver, private IVexaModalDriver, private IVexaSectionPicker {
public:
    // Takes the registry as it stands (the plug-in is loaded) and starts the worker.
    // `tempDir`: a directory of the server's own where drawings are written on their way out.
    explicit WebSession(std::string tempDir);
    ~WebSession() override;
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    // From any thread: hands an action to the worker and waits for its answer. A 503 answer when
    // too many actions wait, the worker has stopped, or it does not answer within `timeout`.
    WebReply Post(nlohmann::json action, std::chrono::milliseconds timeout);

    // Closes the open calculation (its dialogs unwind as if the user closed them) and ends the
    // worker; waits for it. Also done by the destructor.
    void Stop();

    // How many actions may wait for the worker at once.
    static constexpr std::size_t kMaxQueued = 32;

private:
    struct Job {
        nlohmann::json request;
        std::promise<WebReply> reply;
        bool answered = false;
        void Answer(WebReply r);
    };
    using JobPtr = std::shared_ptr<Job>;

    struct ModalState {
        CVexaDlg* dialog;
        std::unique_ptr<WebDialogView> view;
        int serial;
    };
    struct PickerState {
        VexaSectionPickRequest request;
    };

    // --- the worker ---
    void ThreadMain();
    JobPtr Next();
    void Open(const JobPtr& job);
    int Run(CVexaTabDlg& dialog) override;
    void RunModal(CVexaDlg& dialog) override;
    bool Pick(const VexaSectionPickRequest& request, CDataItem& chosen) override;
    // An action that closes the open calculation from inside a nested loop: the loops unwind.
    bool Unwinds(const JobPtr& job);
    // The next action for a nested loop (a dialog or the picker open over the calculation), with
    // the state and stale actions answered on the way; nullptr when the loops unwind.
    JobPtr NextNested();

    // --- actions on the open dialog (m_current is the job being served) ---
    void Dispatch();
    void PageEvent(const nlohmann::json& request);
    void ModalEvent(CVexaDlg& dialog, const nlohmann::json& request);
    // Applies one user action to a control and fires its event; through VexaSession when the
    // control edits a persisted field of the page (`session`), so that the page takes the value
    // exactly as `vexa run --set` gives it.
    void ApplyEvent(CVexaDlg& dialog, bool session, const nlohmann::json& request);
    void SelectTab(const nlohmann::json& request);
    // Every page shows what the parameter object holds (a page that mirrors another page's
    // fields, such as a drawing page, checks what the user last entered, not an older copy).
    void Resynchronise();
    void Calculate();
    // After a calculation that passed (`ok`): results, book and summary written, parameters saved.
    void AfterCalculation(bool ok);
    // A revision on the result page after the calculation: that page's checks, then the outputs.
    void Revise(CVexaCaltDlg& page);
    void DrawPreview(const std::string& command);
    void Book(const nlohmann::json& request);
    void Drawing(const nlohmann::json& request);

    // --- answers ---
    nlohmann::json Opened();
    nlohmann::json State();
    nlohmann::json Changes();
    nlohmann::json TakeMessages();
    nlohmann::json ModalJson(ModalState& modal);
    nlohmann::json PickerJson();
    nlohmann::json SectionRows(const std::string& family);
    nlohmann::json Summary() const;
    bool AnyRefusal() const;
    bool IsForOpenDialog(const Job& job) const;
    void Reply(nlohmann::json answer);

    std::string m_tempDir;
    nlohmann::json m_menu;  // the calculations by category, in the registry's order
    std::thread m_thread;

    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<JobPtr> m_queue;
    bool m_stopped = false;

    // Worker state (touched by the worker thread only).
    JobPtr m_current;            // the action being served
    JobPtr m_deferred;           // an action that closed the open calculation, served next
    bool m_unwind = false;       // the open calculation is closing: nested loops return
    bool m_ranDialog = false;    // the command showed its dialog
    CVexaTabDlg* m_tab = nullptr;
    int m_generation = 0;        // which open calculation the browser's actions are for
    std::string m_notice;        // told with the next calculation opened
    std::vector<std::unique_ptr<WebDialogView>> m_views;  // one per page
    std::vector<ModalState> m_modals;
    bool m_modalChanged = false;
    std::optional<PickerState> m_picker;
    bool m_pickerChanged = false;
    int m_modalSerial = 0;
    WebPictureCache m_pictures;
    const CVexaDlg* m_forceDialog = nullptr;  // the control the browser just changed
    int m_forceId = 0;
    bool m_calculated = false;   // the inputs as they stand passed and were calculated
    int m_bookSerial = 0;        // counts the books written (0: none yet)
    std::string m_drawCommand;   // the drawing command last sent
    std::string m_drawSvg;
    int m_drawSerial = 0, m_drawSerialSent = 0;
    int m_fileSerial = 0;
};
