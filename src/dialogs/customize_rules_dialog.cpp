#include "dialogs/customize_rules_dialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/game_selection.h"
#include "dialogs/help_window.h"
#include "dialogs/record_text.h"
#include "engine/engine_hooks.h"
#include "game/custom_game_commands.h"
#include "model/text.h"
#include "records/custom_games.h"

namespace vis {

namespace {

constexpr int kStockTab = 0;
constexpr int kHelpTopic = 0;

QString Caption(const std::string& gameName) {
    return QObject::tr("Customize rules [%1]").arg(FromRecordText(TrimRight(gameName)));
}

}  // namespace

TfrmCustomizeRules2::TfrmCustomizeRules2(QWidget* parent, const QString& caption,
                                         const QString& gameName)
    : NameEntryDialog(parent, caption, tr("E&nter a name for the new game:"), QString(),
                      static_cast<int>(kCustomGameNameWidth),
                      {tr("This game will be added to the folder 'Customized games'."),
                       tr("It is necessary to create a new game to maintain statistics for %1.")
                           .arg(gameName)}) {
    setObjectName("frmCustomizeRules2");
}

TfrmCustomizeRules::TfrmCustomizeRules(QWidget* parent, AppServices& app)
    : QDialog(parent),
      app_(app),
      game_(app.ctx.state.GetInt(field::kGameNumber, -1)),
      gameName_(TrimRight(app.ctx.state.Get(field::kGameName))),
      allowed_(CustomizableSettings(app.ctx, game_)),
      atOpening_(CustomizeDialogPresets(app.ctx)),
      pgcTabs_(new QTabWidget),
      edtCards_(new QSpinBox),
      edtRedeals_(new QSpinBox),
      grpRedeals_(new QButtonGroup(this)),
      grpTableau_(new QButtonGroup(this)),
      lblDealsInAll_(new QLabel),
      btnOK_(new QPushButton(tr("OK"))),
      btnDelete_(new QPushButton(tr("De&lete"))) {
    setWindowTitle(Caption(gameName_));
    setObjectName("frmCustomizeRules");
    askName_ = [this]() -> std::optional<QString> {
        TfrmCustomizeRules2 dialog(this, windowTitle(), FromRecordText(gameName_));
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.NameEdit()->text();
    };

    // " &Stock "
    edtCards_->setRange(0, kMostCardsPerPress);
    edtRedeals_->setRange(0, kMostRedeals);
    auto* cardsLabel = new QLabel(tr("&Cards dealt by clicking on the stock:"));
    cardsLabel->setBuddy(edtCards_);
    auto* cardsRow = new QHBoxLayout;
    cardsRow->addWidget(cardsLabel);
    cardsRow->addWidget(edtCards_);
    cardsRow->addStretch();
    auto* redealsBox = new QGroupBox(tr("&Redeals of the stock: "));
    auto* redealsLayout = new QVBoxLayout(redealsBox);
    auto* unlimited = new QRadioButton(tr("&Unlimited"));
    auto* number = new QRadioButton(tr("Specified nu&mber:"));
    auto* none = new QRadioButton(tr("No redeals (&only 1 deal)"));
    grpRedeals_->addButton(unlimited, static_cast<int>(RedealChoice::kUnlimited));
    grpRedeals_->addButton(number, static_cast<int>(RedealChoice::kNumber));
    grpRedeals_->addButton(none, static_cast<int>(RedealChoice::kNone));
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(number);
    numberRow->addWidget(edtRedeals_);
    numberRow->addStretch();
    redealsLayout->addWidget(unlimited);
    redealsLayout->addLayout(numberRow);
    redealsLayout->addWidget(none);
    auto* dealsRow = new QHBoxLayout;
    dealsRow->addWidget(redealsBox);
    dealsRow->addWidget(lblDealsInAll_);
    auto* stockPage = new QWidget;
    auto* stockLayout = new QVBoxLayout(stockPage);
    stockLayout->addLayout(cardsRow);
    stockLayout->addLayout(dealsRow);
    stockLayout->addStretch();

    // "&Tableau"
    auto* tableauBox = new QGroupBox(tr("Spaces in empty tableau piles can be filled with: "));
    auto* tableauLayout = new QVBoxLayout(tableauBox);
    auto* king = new QRadioButton(tr("&King only (or pile with a King at the top);"));
    auto* below = new QLabel(QStringLiteral("<a href=\"#\">%1</a>")
                                 .arg(tr("or 1 rank below the base card").toHtmlEscaped()));
    auto* any = new QRadioButton(tr("&Any card (or legal sequence)"));
    auto* nothing = new QRadioButton(tr("&None (spaces cannot be filled)"));
    grpTableau_->addButton(king, static_cast<int>(TableauChoice::kKingOnly));
    grpTableau_->addButton(any, static_cast<int>(TableauChoice::kAnyCard));
    grpTableau_->addButton(nothing, static_cast<int>(TableauChoice::kNone));
    // The King rule also lets a game whose foundations start elsewhere
    // fill a space with the rank below its base card.
    connect(below, &QLabel::linkActivated, king, [king] {
        if (king->isEnabled()) king->click();
    });
    auto* kingRow = new QHBoxLayout;
    kingRow->addWidget(king);
    kingRow->addWidget(below);
    kingRow->addStretch();
    tableauLayout->addLayout(kingRow);
    tableauLayout->addWidget(any);
    tableauLayout->addWidget(nothing);
    auto* tableauPage = new QWidget;
    auto* tableauPageLayout = new QVBoxLayout(tableauPage);
    tableauPageLayout->addWidget(tableauBox);
    tableauPageLayout->addStretch();

    pgcTabs_->addTab(stockPage, tr(" &Stock "));
    pgcTabs_->addTab(tableauPage, tr("&Tableau"));

    ShowValues(atOpening_);
    edtCards_->setEnabled(allowed_.cardsPerPress);
    cardsLabel->setEnabled(allowed_.cardsPerPress);
    redealsBox->setEnabled(allowed_.redeals);
    tableauBox->setEnabled(allowed_.tableauSpaces);
    if (!allowed_.tableauSpaces) {
        grpTableau_->setExclusive(false);
        for (QAbstractButton* button : grpTableau_->buttons()) button->setChecked(false);
        grpTableau_->setExclusive(true);
        atOpening_ = Shown();
    }

    connect(edtCards_, &QSpinBox::textChanged, this, &TfrmCustomizeRules::ValuesChanged);
    connect(edtRedeals_, &QSpinBox::textChanged, this, &TfrmCustomizeRules::ValuesChanged);
    connect(grpRedeals_, &QButtonGroup::idClicked, this, &TfrmCustomizeRules::ValuesChanged);
    connect(grpTableau_, &QButtonGroup::idClicked, this, &TfrmCustomizeRules::ValuesChanged);

    auto* btnCancel = new QPushButton(tr("Cancel"));
    auto* btnHelp = new QPushButton(tr("&?"));
    btnDelete_->setEnabled(game_ >= kFirstCustomGame);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmCustomizeRules::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnDelete_, &QPushButton::clicked, this, &TfrmCustomizeRules::btnDeleteClick);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { ShowHelpTopic(this, app_, "proc", kHelpTopic); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDelete_);
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pgcTabs_);
    layout->addLayout(buttons);
    ValuesChanged();
}

QRadioButton* TfrmCustomizeRules::RedealRadio(RedealChoice choice) const {
    return static_cast<QRadioButton*>(grpRedeals_->button(static_cast<int>(choice)));
}

QRadioButton* TfrmCustomizeRules::TableauRadio(TableauChoice choice) const {
    return static_cast<QRadioButton*>(grpTableau_->button(static_cast<int>(choice)));
}

void TfrmCustomizeRules::ShowValues(const CustomizeDialogValues& values) {
    edtCards_->setValue(ParseInt(values.cardsText).value_or(0));
    edtRedeals_->setValue(ParseInt(values.redealsText).value_or(0));
    if (values.redealsText.empty()) edtRedeals_->clear();
    RedealRadio(values.redeals)->setChecked(true);
    TableauRadio(values.tableau)->setChecked(true);
}

CustomizeDialogValues TfrmCustomizeRules::Shown() const {
    CustomizeDialogValues values;
    values.cardsText = edtCards_->cleanText().toStdString();
    values.redeals = static_cast<RedealChoice>(std::max(0, grpRedeals_->checkedId()));
    values.redealsText = edtRedeals_->cleanText().toStdString();
    // No tableau choice (a game that does not allow one) compares as "none".
    const int tableau = grpTableau_->checkedId();
    values.tableau = tableau < 0 ? TableauChoice::kNone : static_cast<TableauChoice>(tableau);
    return values;
}

void TfrmCustomizeRules::ValuesChanged() {
    const CustomizeDialogValues shown = Shown();
    edtRedeals_->setEnabled(shown.redeals == RedealChoice::kNumber);
    lblDealsInAll_->setText(
        QString::fromStdString(DealsInAllText(shown.redeals, shown.redealsText)));
    const bool redealsChanged =
        shown.redeals != atOpening_.redeals ||
        (shown.redeals == RedealChoice::kNumber && shown.redealsText != atOpening_.redealsText);
    btnOK_->setEnabled(shown.cardsText != atOpening_.cardsText || redealsChanged ||
                       shown.tableau != atOpening_.tableau);
}

std::optional<std::string> TfrmCustomizeRules::AskValidName() {
    const auto name = AskStorableName(
        app_.ctx.ui, "game name", [this](const QString&) { return askName_(); },
        [this](const std::string& typed) { return CheckCustomGameName(app_.ctx, typed); });
    if (!name) return std::nullopt;
    return TrimRight(*name);
}

void TfrmCustomizeRules::btnOKClick() {
    if (!btnOK_->isEnabled()) return;
    const EncodedSettings encoded = EncodeCustomSettings(allowed_, Shown());
    if (encoded.badField != CustomizeField::kNone) {
        app_.ctx.ui.ShowMessage(encoded.message);
        pgcTabs_->setCurrentIndex(kStockTab);
        QSpinBox* edit = encoded.badField == CustomizeField::kCardsDealt ? edtCards_ : edtRedeals_;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    const std::optional<std::string> name = AskValidName();
    if (!name) return;
    created_ = CreateCustomGame(app_.ctx, *name, encoded.settings);
    if (!created_) return;
    createdName_ = *name;
    accept();
}

void TfrmCustomizeRules::btnDeleteClick() {
    if (game_ < kFirstCustomGame) return;
    if (!DeleteCustomGame(app_.ctx, app_.hooks, game_, false, gameName_)) return;
    deleted_ = true;
    accept();
}

void ShowCustomizeRulesDialog(QWidget* parent, AppServices& app) {
    if (app.ctx.state.GetInt(field::kGameNumber, -1) < 0) return;
    TfrmCustomizeRules dialog(parent, app);
    dialog.exec();
    if (dialog.CreatedGame()) {
        RefreshFavoritesMenu(app);
        StartCustomGame(app.ctx, app.hooks, *dialog.CreatedGame(), dialog.CreatedName());
    } else if (dialog.GameDeleted()) {
        RefreshFavoritesMenu(app);
        ShowOpenGameDialog(parent, app);
    }
}

}  // namespace vis
