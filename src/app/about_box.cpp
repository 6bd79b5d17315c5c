#include "app/about_box.h"

#include "app/program_icon.h"
#include "app/program_language.h"
#include "settings/settings_file.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace rusrina {

namespace {

QString guideFile(const QString& executableDir, const QString& language) {
    const QString path =
        QDir::cleanPath(executableDir + QStringLiteral("/../share/doc/rusrina/guide.%1.md").arg(language));
    return QFileInfo(path).isFile() ? path : QString();
}

// The language chooser: each language under its own name, whatever the language of the run. The
// choice is stored at once and holds from the next start, which the note under it says in both
// languages, as a player who has just chosen may read only the one they chose.
QLayout* languageRow(SettingsFile& settings, QWidget* box) {
    auto* chooser = new QComboBox(box);
    chooser->setObjectName(QStringLiteral("languageChooser"));
    chooser->addItem(QStringLiteral("日本語"), static_cast<int>(text::TextLanguage::Japanese));
    chooser->addItem(QStringLiteral("English"), static_cast<int>(text::TextLanguage::English));
    chooser->setCurrentIndex(chooser->findData(static_cast<int>(storedLanguage(settings))));
    auto* note =
        new QLabel(QStringLiteral("次回の起動から有効になります。\nThe change applies at the next start."), box);
    note->setObjectName(QStringLiteral("languageNote"));
    note->setVisible(false);
    QObject::connect(chooser, &QComboBox::currentIndexChanged, box, [&settings, chooser, note] {
        const auto chosen = static_cast<text::TextLanguage>(chooser->currentData().toInt());
        storeLanguage(settings, chosen);
        note->setVisible(chosen != text::textLanguage());
    });
    auto* label = new QLabel(QCoreApplication::translate("AboutBox", "表示言語："), box);
    auto* row = new QGridLayout;
    row->addWidget(label, 0, 0);
    row->addWidget(chooser, 0, 1);
    row->addWidget(note, 1, 0, 1, 3);
    row->setColumnStretch(2, 1);
    return row;
}

} // namespace

QString guideLinksText(const QString& executableDir) {
    const QString ja = guideFile(executableDir, QStringLiteral("ja"));
    const QString en = guideFile(executableDir, QStringLiteral("en"));
    // Without the guide beside it (a copy carried off on its own), the box says where the guide lives.
    if (ja.isEmpty() || en.isEmpty())
        return QCoreApplication::translate("AboutBox", "使い方ガイド：docs/guide.ja.md ・ Guide: docs/guide.en.md");
    const auto link = [](const QString& file, const QString& text) {
        return QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded).toHtmlEscaped(), text);
    };
    return QCoreApplication::translate("AboutBox", "%1 ・ %2")
        .arg(link(ja, QCoreApplication::translate("AboutBox", "使い方ガイド")),
             link(en, QStringLiteral("Guide (English)")));
}

AboutBox::AboutBox(SettingsFile& settings, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QCoreApplication::translate("AboutBox", "rusrinaのﾊﾞｰｼﾞｮﾝ情報"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setPixmap(programIcon().pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("rusrina Version 1.0"), this);
    text->setObjectName(QStringLiteral("versionLabel"));
    auto* guide = new QLabel(guideLinksText(QCoreApplication::applicationDirPath()), this);
    guide->setObjectName(QStringLiteral("guideLabel"));
    guide->setTextFormat(Qt::RichText);
    guide->setOpenExternalLinks(true);
    guide->setTextInteractionFlags(Qt::TextBrowserInteraction);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(text);
    texts->addWidget(guide);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(languageRow(settings, this));
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough that window managers do not cut the caption short.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
}

} // namespace rusrina
