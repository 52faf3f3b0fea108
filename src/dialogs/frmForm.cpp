#include "dialogs/frmForm.h"

#include "dialogs/DialogHost.h"
#include "platform/Prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

const QString frmForm::kIncorrectValue = QStringLiteral("Incorrect Value");

frmForm::frmForm(DialogHost& host) : ElementDialog(QStringLiteral("frmForm"), QStringLiteral("Forms"), host)
{
    lblUpdate = captionLabel("lblUpdate", QString(), this);
    ssText = sideButton("ssText", QStringLiteral("Text Box"), this);
    ssPassword = sideButton("ssPassword", QStringLiteral("Password Box"), this);
    ssHidden = sideButton("ssHidden", QStringLiteral("Hidden Box"), this);
    ssCheck = sideButton("ssCheck", QStringLiteral("Check Box"), this);
    ssRadio = sideButton("ssRadio", QStringLiteral("Radio Button"), this);
    ssSubmit = sideButton("ssSubmit", QStringLiteral("Submit Button"), this);
    ssReset = sideButton("ssReset", QStringLiteral("Reset Button"), this);
    ssTextArea = sideButton("ssTextArea", kTextAreaCaption, this);
    ssAnyForm = sideButton("ssAnyForm", QStringLiteral("Form Template"), this);
    ssListBox = sideButton("ssListBox", QStringLiteral("List Box"), this);

    lblName = captionLabel("lblName", QStringLiteral("Name:"), this);
    txtName = named<QLineEdit>("txtName", this);
    lblValue = captionLabel("lblValue", QStringLiteral("Value:"), this);
    txtValue = named<QLineEdit>("txtValue", this);
    lblSize = captionLabel("lblSize", QStringLiteral("Size:"), this);
    txtSize = named<QLineEdit>("txtSize", this);
    lblMaxLength = captionLabel("lblMaxLength", QStringLiteral("Max Length:"), this);
    txtMaxLength = named<QLineEdit>("txtMaxLength", this);
    lblRows = captionLabel("lblRows", QStringLiteral("Rows:"), this);
    txtRows = named<QLineEdit>("txtRows", this);
    lblColumn = captionLabel("lblColumn", QStringLiteral("Columns:"), this);
    txtColumn = named<QLineEdit>("txtColumn", this);

    ssOK = named<QPushButton>("ssOK", QStringLiteral("&OK"), this);
    ssOK->setDefault(true);
    connect(ssOK, &QPushButton::clicked, this, &frmForm::insertElement);
    ssCancel = sideButton("ssCancel", QStringLiteral("&Cancel"), this);
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
    QPushButton* const order[] = {ssText,   ssPassword, ssHidden,   ssCheck,   ssRadio,
                                  ssSubmit, ssReset,    ssTextArea, ssAnyForm, ssListBox};
    for (int i = 0; i < int(std::size(order)); ++i)
        elementGrid->addWidget(order[i], i / 2, i % 2);

    auto* fieldGrid = new QGridLayout;
    addFieldRows(*fieldGrid, 0,
                 {{lblName, txtName},
                  {lblValue, txtValue},
                  {lblSize, txtSize},
                  {lblMaxLength, txtMaxLength},
                  {lblRows, txtRows},
                  {lblColumn, txtColumn}});
    fieldGrid->setColumnMinimumWidth(1, 200);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(elementGrid);
    layout->addWidget(lblUpdate);
    layout->addLayout(fieldGrid);
    layout->addLayout(buttonRow({ssOK, ssCancel}));
}

void frmForm::chooseElement(const QString& caption, const QString& type, const QList<QLineEdit*>& shown)
{
    lblUpdate->clear();
    lblUpdate->setText(caption);
    type_ = type;
    // A field shows with its label, which names it.
    for (QLabel* label : {lblName, lblValue, lblSize, lblMaxLength, lblRows, lblColumn}) {
        const bool visible = shown.contains(qobject_cast<QLineEdit*>(label->buddy()));
        label->setVisible(visible);
        label->buddy()->setVisible(visible);
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
