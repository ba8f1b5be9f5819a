#pragma once
// rePiket: the tacheometry statement as a plain-text view that follows the engine's lines.
// The engine's vector stays the source of truth: computations append to it and the view
// appends the new lines only, so a statement of half a million lines stays quick; edits by
// hand are written back line by line.
#include <QPlainTextEdit>

#include <string>
#include <vector>

class StatementView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit StatementView(QWidget* parent = nullptr);

    // Binds the view to the engine's lines; revision grows when the lines were replaced.
    void follow(std::vector<std::string>* lines, const unsigned* revision);
    // Shows what changed in the engine's lines since the last call.
    void sync();

signals:
    // The mouse went down; the line of the text cursor after the click (from 0).
    void lineClicked(int line);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void reset();
    void contentsChanged(int position, int removed, int added);
    void takeWholeText();

    std::vector<std::string>* lines_ = nullptr;
    const unsigned* revision_ = nullptr;
    unsigned shownRevision_ = 0;
    std::size_t shownLines_ = 0;
    bool syncing_ = false;
};
