#include "apps/dataeditor/ui/search_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tk73edit {

SearchDialog::SearchDialog(const QString& fieldTitle, const QString& lastText, QWidget* parent)
    : QDialog(parent), text_(new QLineEdit(lastText)) {
    setWindowTitle(QStringLiteral("Search"));
    auto* backward = new QPushButton(QStringLiteral("Backward"));
    auto* forward = new QPushButton(QStringLiteral("Forward"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    forward->setDefault(true);
    connect(backward, &QPushButton::clicked, this, [this] {
        forward_ = false;
        accept();
    });
    connect(forward, &QPushButton::clicked, this, [this] {
        forward_ = true;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backward);
    buttons->addWidget(forward);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(fieldTitle));
    layout->addWidget(text_);
    layout->addLayout(buttons);
    text_->selectAll();
}

QString SearchDialog::Text() const {
    return text_->text();
}

}  // namespace tk73edit
