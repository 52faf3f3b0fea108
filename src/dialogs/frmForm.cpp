#include "dialogs/frmForm.h"

#include "dialogs/DialogHost.h"
#include "dialogs/frmList.h"
#include "platform/Prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

const QString frmForm::kIncorrectValue = QStringLiteral("Incorrect Value");

namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* result = named<QLabel>(name, text, parent);
    result->setTextFormat(Qt::PlainText);
    return result;
}

QPushButton* elementButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = named<QPushButton>(name, caption, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmForm::frmForm(DialogHost& host) : ElementDialog(QStringLiteral("frmForm"), QStringLiteral("Forms"), host)
{
    lblUpdate = label("lblUpdate", QString(), this);
    ssText = elementButton("ssText", QStringLiteral("Text Box"), this);
    ssPassword = elementButton("ssPassword", QStringLiteral("Password Box"), this);
    ssHidden = elementButton("ssHidden", QStringLiteral("Hidden Box"), this);
    ssCheck = elementButton("ssCheck", QStringLiteral("Check Box"), this);
    ssRadio = elementButton("ssRadio", QStringLiteral("Radio Button"), this);
    ssSubmit = elementButton("ssSubmit", QStringLiteral("Submit Button"), this);
    ssReset = elementButton("ssReset", QStringLiteral("Reset Button"), this);
    ssTextArea = elementButton("ssTextArea", kTextAreaCaption, this);
    ssAnyForm = elementButton("ssAnyForm", QStringLiteral("Form Template"), this);
    ssListBox = elementButton("ssListBox", QStringLiteral("List Box"), this);

    lblName = label("lblName", QStringLiteral("Name:"), this);
    txtName = named<QLineEdit>("txtName", this);
    lblValue = label("lblValue", QStringLiteral("Value:"), this);
    txtValue = named<QLineEdit>("txtValue", this);
    lblSize = label("lblSize", QStringLiteral("Size:"), this);
    txtSize = named<QLineEdit>("txtSize", this);
    lblMaxLength = label("lblMaxLength", QStringLiteral("Max Length:"), this);
    txtMaxLength = named<QLineEdit>("txtMaxLength", this);
    lblRows = label("lblRows", QStringLiteral("Rows:"), this);
    txtRows = named<QLineEdit>("txtRows", this);
    lblColumn = label("lblColumn", QStringLiteral("Columns:"), this);
    txtColumn = named<QLineEdit>("txtColumn", this);
    lblName->setBuddy(txtName);
    lblValue->setBuddy(txtValue);
    lblSize->setBuddy(txtSize);
    lblMaxLength->setBuddy(txtMaxLength);
    lblRows->setBuddy(txtRows);
    lblColumn->setBuddy(txtColumn);

    ssOK = named<QPushButton>("ssOK", QStringLiteral("&OK"), this);
    ssOK->setDefault(true);
    connect(ssOK, &QPushButton::clicked, this, &frmForm::insertElement);
    ssCancel = named<QPushButton>("ssCancel", QStringLiteral("&Cancel"), this);
    ssCancel->setAutoDefault(false);
    connect(ssCancel, &QPushButton::clicked, this, &QDialog::reject);

    const QList<QLineEdit*> inputFields = {txtName, txtValue, txtSize, txtMaxLength};
    const QList<QLineEdit*> nameValue = {txtName, txtValue};
    const struct {
        QPushButton* button;
        const char* type;
        QList<QLineEdit*> shown;
    } elements[] = {
        {ssText, "TEXT", inputFields},         {ssPassword, "PASSWORD", inputFields},
        {ssHidden, "HIDDEN", nameValue},       {ssCheck, "CHECKBOX", nameValue},
        {ssRadio, "RADIO", nameValue},         {ssSubmit, "SUBMIT", nameValue},
        {ssReset, "RESET", nameValue},         {ssTextArea, "TEXTAREA", {txtName, txtRows, txtColumn}},
    };
    for (const auto& element : elements) {
        QPushButton* button = element.button;
        const QString type = QLatin1String(element.type);
        const QList<QLineEdit*> shown = element.shown;
        connect(button, &QPushButton::clicked, this,
                [this, button, type, shown] { chooseElement(button->text(), type, shown); });
    }
    connect(ssAnyForm, &QPushButton::clicked, this, &frmForm::insertFormTemplate);
    connect(ssListBox, &QPushButton::clicked, this, &frmForm::openListBox);

    auto* elementGrid = new QGridLayout;
    const QPushButton* order[] = {ssText,   ssPassword, ssHidden,   ssCheck,   ssRadio,
                                  ssSubmit, ssReset,    ssTextArea, ssAnyForm, ssListBox};
    for (int i = 0; i < 10; ++i)
        elementGrid->addWidget(const_cast<QPushButton*>(order[i]), i / 2, i % 2);

    auto* fieldGrid = new QGridLayout;
    const QList<QPair<QLabel*, QLineEdit*>> rows = {{lblName, txtName},           {lblValue, txtValue},
                                                    {lblSize, txtSize},           {lblMaxLength, txtMaxLength},
                                                    {lblRows, txtRows},           {lblColumn, txtColumn}};
    for (int i = 0; i < rows.size(); ++i) {
        fieldGrid->addWidget(rows[i].first, i, 0);
        fieldGrid->addWidget(rows[i].second, i, 1);
    }
    fieldGrid->setColumnMinimumWidth(1, 200);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ssOK);
    buttons->addWidget(ssCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(elementGrid);
    layout->addWidget(lblUpdate);
    layout->addLayout(fieldGrid);
    layout->addLayout(buttons);
}

void frmForm::chooseElement(const QString& caption, const QString& type, const QList<QLineEdit*>& shown)
{
    lblUpdate->clear();
    lblUpdate->setText(caption);
    type_ = type;
    for (QLineEdit* box : {txtName, txtValue, txtSize, txtMaxLength, txtRows, txtColumn}) {
        const bool visible = shown.contains(box);
        box->setVisible(visible);
        if (QWidget* buddyLabel = findChild<QLabel*>(QStringLiteral("lbl") + box->objectName().mid(3)))
            buddyLabel->setVisible(visible);
    }
}

FormElementFields frmForm::fields() const
{
    return {lblUpdate->text(), type_,           txtName->text(), txtValue->text(),
            txtSize->text(),   txtMaxLength->text(), txtRows->text(), txtColumn->text()};
}

void frmForm::insertElement()
{
    TagPair tag;
    try {
        tag = formElementText(fields());
    } catch (const std::exception&) {
        host_.prompter().message(this, {kShortTitle, kIncorrectValue, PromptIcon::Critical, PromptButtons::Ok});
        return;
    }
    host_.InsertText(tag.opening, tag.closing);
    // Size is kept: a run of boxes usually shares one width.
    for (QLineEdit* box : {txtName, txtValue, txtMaxLength, txtRows, txtColumn})
        box->clear();
}

void frmForm::insertFormTemplate()
{
    lblUpdate->clear();
    lblUpdate->setText(ssAnyForm->text());
    const std::optional<QString> action = host_.prompter().input(
        this, {QStringLiteral("Insert Action"), QStringLiteral("Please Insert Action for POST"), QString()});
    if (!action || action->isEmpty())
        return;
    const TagPair tag = formTemplateText(*action, QString::fromLatin1(host_.activeLineBreak()));
    host_.InsertText(tag.opening, tag.closing);
}

void frmForm::openListBox()
{
    if (list_) {
        list_->raise();
        list_->activateWindow();
        return;
    }
    list_ = new frmList(host_);
    // However the list box closes, this dialog comes back.
    connect(list_, &QDialog::finished, this, [this] { show(); });
    hide();
    list_->show();
}
