#include "app/tacheometry/StatementView.h"

#include "app/QtText.h"

#include <QFont>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

StatementView::StatementView(QWidget* parent) : QPlainTextEdit(parent)
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // An undo history of every appended run would grow without bound.
    setUndoRedoEnabled(false);
    connect(document(), &QTextDocument::contentsChange, this, &StatementView::contentsChanged);
}

void StatementView::follow(std::vector<std::string>* lines, const unsigned* revision)
{
    lines_ = lines;
    revision_ = revision;
    reset();
}

void StatementView::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    emit lineClicked(textCursor().blockNumber());
}

void StatementView::reset()
{
    syncing_ = true;
    QString text;
    if (lines_) {
        std::string joined;
        for (std::size_t i = 0; i < lines_->size(); ++i) {
            if (i)
                joined += '\n';
            joined += (*lines_)[i];
        }
        text = qs(joined);
    }
    setPlainText(text);
    shownLines_ = lines_ ? lines_->size() : 0;
    shownRevision_ = revision_ ? *revision_ : 0;
    syncing_ = false;
}

void StatementView::sync()
{
    if (!lines_)
        return;
    const auto& lines = *lines_;
    const QTextDocument* doc = document();
    // Appending keeps every shown line but possibly the last one (a closing rule that a new
    // row replaced). Anything else means the lines were replaced: show them anew.
    const bool replaced = (revision_ && *revision_ != shownRevision_) || lines.size() < shownLines_ ||
                          (shownLines_ >= 1 && doc->firstBlock().text() != qs(lines.front())) ||
                          (shownLines_ >= 2 && doc->findBlockByNumber(static_cast<int>(shownLines_) - 2).text() !=
                                                   qs(lines[shownLines_ - 2]));
    if (replaced) {
        reset();
        return;
    }
    if (lines.size() == shownLines_ && (shownLines_ == 0 || doc->lastBlock().text() == qs(lines[shownLines_ - 1])))
        return;

    syncing_ = true;
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    if (shownLines_ > 0) {
        const QString last = qs(lines[shownLines_ - 1]);
        if (doc->lastBlock().text() != last) {
            cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
            cursor.insertText(last);
        }
    }
    std::string added;
    for (std::size_t i = shownLines_; i < lines.size(); ++i) {
        if (i)
            added += '\n';
        added += lines[i];
    }
    cursor.insertText(qs(added));
    cursor.endEditBlock();
    shownLines_ = lines.size();
    if (atEnd)
        bar->setValue(bar->maximum());
    syncing_ = false;
}

// An edit by hand: the changed blocks replace the matching engine lines. An empty view
// holds no line at all.
void StatementView::contentsChanged(int position, int /*removed*/, int added)
{
    if (syncing_ || !lines_)
        return;
    auto& lines = *lines_;
    const QTextDocument* doc = document();
    const bool empty = doc->blockCount() == 1 && doc->firstBlock().text().isEmpty();
    const long newCount = empty ? 0 : doc->blockCount();
    if (newCount == 0) {
        lines.clear();
        shownLines_ = 0;
        return;
    }
    const long first = doc->findBlock(position).blockNumber();
    const long lastNew = doc->findBlock(position + added).blockNumber();
    const long oldCount = static_cast<long>(lines.size());
    const long newInRange = lastNew - first + 1;
    const long oldInRange = newInRange - (newCount - oldCount);
    if (first < 0 || lastNew < first || oldInRange < 0 || first + oldInRange > oldCount) {
        takeWholeText();
        return;
    }
    std::vector<std::string> replacement;
    for (long b = first; b <= lastNew; ++b)
        replacement.push_back(cp(doc->findBlockByNumber(static_cast<int>(b)).text()));
    lines.erase(lines.begin() + first, lines.begin() + first + oldInRange);
    lines.insert(lines.begin() + first, replacement.begin(), replacement.end());
    shownLines_ = lines.size();
}

void StatementView::takeWholeText()
{
    auto& lines = *lines_;
    lines.clear();
    for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next())
        lines.push_back(cp(b.text()));
    shownLines_ = lines.size();
}
