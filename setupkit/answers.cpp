#include "answers.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace setupkit {

namespace {

constexpr qint64 maxAnswerBytes = 64 * 1024;

void say(const QString& line)
{
    std::fputs((line + u'\n').toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

} // namespace

std::optional<std::deque<Answer>> parseAnswers(const QByteArray& text)
{
    static const QRegularExpression dialogLine(QStringLiteral("^(\\d+)\\s+(\\S+)(?: (.*))?$"));
    static const QRegularExpression stopLine(QStringLiteral("^STOP\\s+(\\d+)$"));
    std::deque<Answer> answers;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).remove(u'\r');
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (const auto stop = stopLine.match(trimmed); stop.hasMatch()) {
            answers.push_back({0, {}, {}, stop.captured(1).toInt()});
            continue;
        }
        // The typed text is kept as it stands after one space, spaces included.
        const auto m = dialogLine.match(line.mid(line.indexOf(trimmed.at(0))));
        if (!m.hasMatch() || m.captured(1).toInt() <= 0)
            return std::nullopt;
        answers.push_back({m.captured(1).toInt(), m.captured(2), m.captured(3), 0});
    }
    return answers;
}

std::unique_ptr<AnswerFrontend> AnswerFrontend::fromFile(const QString& path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > maxAnswerBytes || !file.open(QIODevice::ReadOnly))
        return nullptr;
    auto answers = parseAnswers(file.read(maxAnswerBytes));
    return answers ? std::make_unique<AnswerFrontend>(std::move(*answers)) : nullptr;
}

void AnswerFrontend::setTitle(const QString& title)
{
    say(QStringLiteral("title %1").arg(title));
}

bool AnswerFrontend::runDialog(int templateId, const QString& procName, int, SymbolTable& symbols)
{
    const bool edits = procName == u"FEditDlgProc";
    say(edits ? QStringLiteral("dialog %1 %2").arg(templateId).arg(symbols.value(QStringLiteral("EditTextIn")))
              : QStringLiteral("dialog %1").arg(templateId));
    if (answers_.empty() || answers_.front().templateId != templateId) {
        say(QStringLiteral("no answer for dialog %1").arg(templateId));
        return false;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    symbols.insert(QStringLiteral("DLGEVENT"), answer.event);
    if (edits)
        symbols.insert(QStringLiteral("EditTextOut"), answer.text);
    return true;
}

CopyResult AnswerFrontend::copy(const std::vector<CopyItem>& items, int, int)
{
    int stopAfter = -1;
    if (!answers_.empty() && answers_.front().templateId == 0) {
        stopAfter = answers_.front().stopAfterFiles;
        answers_.pop_front();
    }
    say(QStringLiteral("copy %1 files").arg(items.size()));
    const CopyResult result = copyFiles(items, [&](const CopyProgress& at) {
        return stopAfter < 0 || at.filesDone < stopAfter;
    });
    say(result == copyStopped ? QStringLiteral("copy stopped") : QStringLiteral("copy result %1").arg(int(result)));
    return result;
}

void AnswerFrontend::stopMessage(const QString& text, const QString& title)
{
    say(QStringLiteral("message %1: %2").arg(title, text));
}

} // namespace setupkit
