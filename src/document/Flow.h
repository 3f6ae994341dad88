// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A command of the document that needs the user on its way, as steps the front end carries out
// and answers: a message to show (a question is answered with the button pressed), a file to
// choose, a transfer with the radio to run. The flow decides every step from the answer before;
// the front end only shows and answers: the window program with modal boxes and file dialogs
// (RunFlow below), the web edition with its own boxes, file pickers and cable. A flow ends with
// Done, which says whether the command was carried out.
//
//     std::unique_ptr<Flow> flow = document.open();
//     while (!flow->done()) { show flow->step(), answer it }
#include "document/FileDialogService.h"
#include "document/FileKind.h"
#include "image/FileIo.h"
#include "image/MemoryImage.h"
#include "language/Messages.h"
#include "link/TransferSession.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tlv {

class Document;

enum class StepKind {
    Show,             // a message box: step.message, answered with the button pressed
    ChooseFileToOpen, // a file of step.file to open: its path, or its name and content
    ChooseFileToSave, // a file of step.file to save, offering step.suggestedName
    Transfer,         // a read or a write with the radio: step.transfer, answered with its end
    Done,             // the flow has ended; step.completed says whether it was carried out
};

// A read or a write the front end runs with the radio.
struct TransferRequest {
    TransferDirection direction = TransferDirection::Read;
    MemoryImage image{};      // write: the image to send
    bool serviceMode = false; // write: the power-level block goes too
};

// How the transfer ended.
struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Stopped;
    TransferFailure failure;              // CommunicationError: what ended it
    std::optional<MemoryImage> imageRead; // a read's image, on Success
};

struct Step {
    StepKind kind = StepKind::Done;
    Notice message;                        // Show
    FileKind file = FileKind::ChannelData; // ChooseFileToOpen, ChooseFileToSave
    std::string suggestedName;             // ChooseFileToSave
    TransferRequest transfer;              // Transfer
    bool completed = false;                // Done
    bool declined = false;                 // Done: a write ended by No to the band question
};

class Flow {
  public:
    virtual ~Flow();
    Flow(const Flow&) = delete;
    Flow& operator=(const Flow&) = delete;

    const Step& step() const { return step_; }
    bool done() const { return step_.kind == StepKind::Done; }
    bool completed() const { return done() && step_.completed; }

    // The answers, each to the step it names; an answer to another step changes nothing.
    // Show: the id of the button pressed (IdOk for a box with OK alone).
    void answer(int button);
    // ChooseFileToOpen: the path chosen (the flow reads the file), or the file's name and content
    // as the front end read it.
    void openFile(const std::string& path);
    void openContent(const std::string& name, const std::string& content);
    // ChooseFileToSave: the path chosen (the flow writes the file, asking before it replaces one)
    // or, for a front end that writes the file itself, the bytes to write under `name`, then
    // whether they were written.
    void saveFile(const std::string& path);
    std::string contentToSave(const std::string& name) const;
    void fileSaved(const std::string& name);
    void fileNotSaved(const std::string& reason);
    // ChooseFileToOpen, ChooseFileToSave: the dialog was cancelled.
    void cancel();
    // Transfer: how it ended.
    void transferEnded(const TransferResult& result);

  protected:
    explicit Flow(Document& document) : document_(document) {}

    // What a file chosen to open holds, or why it could not be read.
    struct OpenedFile {
        std::string path;
        std::string content;
        FileStatus status; // a path the flow could not read: the system's reason
    };

    // What a file to save holds under the name chosen, or why nothing can be saved under it.
    struct SaveContent {
        std::optional<std::string> bytes;
        Notice refusal; // shown when there are no bytes
    };

    // The steps, each with what follows its answer.
    void show(const Message& message, std::string detail, std::function<void(int)> then);
    // Shows the message, and the flow ends without the command carried out.
    void refuse(const Message& message, std::string detail = {});
    // Shows each notice in turn (those without a message are skipped), then goes on.
    void showNotices(std::vector<Notice> notices, std::function<void()> then);
    // A file to open, read whole up to `limit` bytes (a larger file reads as cut off at the limit).
    void chooseFileToOpen(FileKind kind, std::size_t limit,
                          std::function<void(const OpenedFile&)> then);
    // A file to save: `content` makes its bytes for the name chosen, when they are written;
    // after that (by the flow or the front end), `then` gets the file's path or name; nothing
    // when it was not written (the dialog was cancelled, or the failure has been shown).
    void chooseFileToSave(FileKind kind, std::string suggestedName,
                          std::function<SaveContent(const std::string& name)> content,
                          std::function<void(std::optional<std::string>)> then);
    // The steps of Save: a data file chosen and written; the editor then matches it.
    void saveDocument(std::function<void(bool saved)> then);
    void runTransfer(TransferRequest request, std::function<void(const TransferResult&)> then);
    void finish(bool completed, bool declined = false);

    // "Save changes?" (or `question`, with the same answers) when the editor holds changes:
    // Save runs the save steps. `then` gets whether the command may go on and whether the
    // question was asked.
    void settleUnsavedChanges(const Message& question, std::function<void(bool, bool)> then);

    Document& document_;

  private:
    void saveChosen(const std::string& path);

    Step step_;
    std::function<void(int)> onButton_;
    std::function<void(const OpenedFile&)> onOpen_;
    std::size_t openLimit_ = 0;
    std::function<SaveContent(const std::string&)> saveContent_;
    std::function<void(std::optional<std::string>)> onSave_;
    std::function<void(const TransferResult&)> onTransfer_;
};

// Runs the steps of `flow` that need no radio with a message box and file dialogs, as the window
// program and the tests do, until it is done or a transfer is due (then the caller runs the
// transfer, answers, and calls again). Returns whether the flow is done.
bool RunFlow(Flow& flow, Language language, MessageBoxService& box, FileDialogService& dialogs);

} // namespace tlv
