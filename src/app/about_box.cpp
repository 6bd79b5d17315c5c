#include "app/about_box.h"

#include "app/program_icon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

} // namespace

QString guideLinksText(const QString& executableDir) {
    const QString ja = guideFile(executableDir, QStringLiteral("ja"));
    const QString en = guideFile(executableDir, QStringLiteral("en"));
    // Without the guide beside it (a copy carried off on its own), the box says where the guide lives.
    if (ja.isEmpty() || en.isEmpty())
        return QStringLiteral("使い方ガイド：docs/guide.ja.md ・ Guide: docs/guide.en.md");
    const auto link = [](const QString& file, const QString& text) {
        return QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded).toHtmlEscaped(), text);
    };
    return link(ja, QStringLiteral("使い方ガイド")) + QStringLiteral(" ・ ") +
           link(en, QStringLiteral("Guide (English)"));
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("rusrinaのﾊﾞｰｼﾞｮﾝ情報"));
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
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough that window managers do not cut the caption short.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
}

} // namespace rusrina
