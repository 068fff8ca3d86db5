#pragma once
// The unattended face of the toolkit: each dialog is answered by the next line
// of a response file, and what would be shown is written to standard output.
//
// Response file lines ('#' starts a comment):
//   <template> <event word> [text typed into the dialog's edit field]
//   STOP <n>    stop the next copy once n files are whole
// A dialog whose next line is missing or for another template cannot be run.
#include "frontend.h"

#include <QByteArray>

#include <deque>
#include <memory>
#include <optional>

namespace setupkit {

struct Answer {
    int templateId = 0; // 0 for a STOP line
    QString event;
    QString text;
    int stopAfterFiles = 0;
};

// Nullopt when a line is malformed.
std::optional<std::deque<Answer>> parseAnswers(const QByteArray& text);

class AnswerFrontend final : public Frontend {
public:
    explicit AnswerFrontend(std::deque<Answer> answers) : answers_(std::move(answers)) {}
    // Reads a regular file of at most 64 KiB; null when unreadable or malformed.
    static std::unique_ptr<AnswerFrontend> fromFile(const QString& path);

    void setTitle(const QString& title) override;
    bool runDialog(int templateId, const QString& procName, int helpTemplate,
                   SymbolTable& symbols) override;
    void closeDialogs(int) override {}
    CopyResult copy(const std::vector<CopyItem>& items, int scale, int share) override;
    void stopMessage(const QString& text, const QString& title) override;
    void setWaitCursor(bool) override {}
    bool takeQuitRequest() override { return false; }

private:
    std::deque<Answer> answers_;
};

} // namespace setupkit
