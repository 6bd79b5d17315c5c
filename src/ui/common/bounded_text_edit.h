#pragma once
// A plain-text area that holds at most so many bytes of UTF-8: a paste or a drop that would make
// it larger is refused whole, so that a clipboard of megabytes can neither be cut in the middle of
// a set nor hold the window up.

#include <QPlainTextEdit>
#include <QStringView>

#include <cstddef>

namespace rusrina {

// The length of `text` in UTF-8, counted without converting it.
qint64 utf8Length(QStringView text);

class BoundedTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    BoundedTextEdit(std::size_t maxBytes, QWidget* parent = nullptr);

Q_SIGNALS:
    // A paste or drop was refused: the text would have taken `bytes`.
    void refused(qint64 bytes);

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    qint64 m_maxBytes;
};

} // namespace rusrina
