#include "ui/common/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace rusrina {
namespace {

QString askFileName(QWidget* parent, const QString& title, const QString& filter, const QString& defaultSuffix,
                    QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool question(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
        return box.exec() == QMessageBox::Yes;
    }

    Answer questionWithCancel(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        parent);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

    int choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons,
               int defaultButton) override {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
        QList<QAbstractButton*> added;
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            const auto role = i + 1 == buttons.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
            added.append(box.addButton(buttons[i], role));
        }
        if (!added.isEmpty()) {
            box.setDefaultButton(qobject_cast<QPushButton*>(added.value(defaultButton, added.constFirst())));
            box.setEscapeButton(added.constLast());
        }
        box.exec();
        const qsizetype chosen = added.indexOf(box.clickedButton());
        return chosen >= 0 ? int(chosen) : int(buttons.size()) - 1;
    }

    QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override {
        return askFileName(parent, title, filter, defaultSuffix, QFileDialog::AcceptOpen);
    }

    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override {
        return askFileName(parent, title, filter, defaultSuffix, QFileDialog::AcceptSave);
    }
};

QtDialogs g_qtDialogs;
Dialogs* g_current = &g_qtDialogs;

} // namespace

Dialogs::Answer Dialogs::questionWithCancel(QWidget* parent, const QString& title, const QString& text) {
    return question(parent, title, text) ? Answer::Yes : Answer::No;
}

int Dialogs::choose(QWidget*, const QString&, const QString&, const QStringList& buttons, int) {
    return int(buttons.size()) - 1;
}

Dialogs& dialogs() {
    return *g_current;
}

void setDialogs(Dialogs* replacement) {
    g_current = replacement ? replacement : &g_qtDialogs;
}

} // namespace rusrina
