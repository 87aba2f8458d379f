// The game in each language the build translates: the window, its menus, the statistics dialog, the
// messages and the buttons in that language, no text cut off by its control, the access keys of each menu
// unique; and the language chosen as Qt orders the system's languages, English when none fits.
#include "app/translations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QThread>
#include <map>
#include <string>
#include <vector>

#include "app/game_aids.h"
#include "interaction/interaction.h"
#include "platform_qt/qt_host.h"
#include "stats/stats_texts.h"
#include "store_support.h"
#include "ui_support.h"

namespace vantrel::uitest {
namespace {

std::vector<std::string> Languages() {
  std::vector<std::string> languages;
  for (const QString& language : QStringLiteral(VANTREL_LANGUAGES).split(u',')) {
    languages.push_back(language.toStdString());
  }
  return languages;
}

QString Plain(const QAction* action) { return QString(action->text()).remove(u'&'); }

// The access keys of a menu, the menu bar or a box's buttons, each at most once.
void ExpectUniqueAccessKeys(const QStringList& texts, const QString& where) {
  std::map<int, QString> keys;
  for (const QString& text : texts) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (key.isEmpty()) continue;
    const auto [taken, fresh] = keys.emplace(key[0].toCombined(), text);
    EXPECT_TRUE(fresh) << where.toStdString() << ": " << text.toStdString() << " and "
                       << taken->second.toStdString() << " share an access key";
  }
}

QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* action : actions) texts.append(action->text());
  return texts;
}

// A button's text within the part of the button its style draws text in.
void ExpectTextFits(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  EXPECT_LE(button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')), inside.width())
      << "the button " << button->text().toStdString() << " is too narrow";
}

// Every text of a dialog within its control, the labels within `room`, the buttons within the dialog, and
// none covering another.
void ExpectNothingClipped(QWidget* dialog, const QRect& room) {
  std::vector<QWidget*> parts;
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    parts.push_back(label);
    const int width = label->contentsRect().width();
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(width), label->contentsRect().height()) << label->text().toStdString();
    } else {
      for (const QString& line : label->text().split(u'\n')) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(line), width) << line.toStdString();
      }
    }
  }
  QStringList buttons;
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
    if (!button->isVisible()) continue;
    parts.push_back(button);
    buttons.append(button->text());
    ExpectTextFits(button);
  }
  ExpectUniqueAccessKeys(buttons, dialog->windowTitle());
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const QRect place(parts[i]->mapTo(dialog, QPoint(0, 0)), parts[i]->size());
    const QRect& inside = qobject_cast<QLabel*>(parts[i]) != nullptr ? room : dialog->rect();
    EXPECT_TRUE(inside.contains(place)) << parts[i]->objectName().toStdString() << " lies outside";
    for (std::size_t j = i + 1; j < parts.size(); ++j) {
      const QRect other(parts[j]->mapTo(dialog, QPoint(0, 0)), parts[j]->size());
      EXPECT_FALSE(place.intersects(other))
          << parts[i]->objectName().toStdString() << " covers " << parts[j]->objectName().toStdString();
    }
  }
}

class InEveryLanguage : public ::testing::TestWithParam<std::string> {};

TEST_P(InEveryLanguage, MenusDialogsAndMessagesAreTranslatedAndNothingIsCutOff) {
  const QString language = QString::fromStdString(GetParam());
  const app::Translations translations(GameDir().path(), {QString(language).replace(u'_', u'-')});
  ASSERT_EQ(translations.Language(), language);
  Window w;

  // The menus: translated, every item's text within its row, access keys unique in each menu.
  QMenuBar* bar = w->menuBar();
  EXPECT_NE(Find<QMenu>(*w, "gameMenu")->title(), QStringLiteral("&Game"));
  ExpectUniqueAccessKeys(Texts(bar->actions()), QStringLiteral("menu bar"));
  for (QAction* top : bar->actions()) {
    EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(top))) << Plain(top).toStdString() << " is cut off";
    QMenu* menu = top->menu();
    if (menu == nullptr) continue;
    ExpectUniqueAccessKeys(Texts(menu->actions()), top->text());
    for (QAction* item : menu->actions()) {
      if (item->isSeparator()) continue;
      const QFontMetrics metrics(menu->font());
      const int text = metrics.horizontalAdvance(Plain(item)) +
                       metrics.horizontalAdvance(item->shortcut().toString(QKeySequence::NativeText));
      EXPECT_LT(text, menu->actionGeometry(item).width()) << Plain(item).toStdString() << " is cut off";
    }
  }

  // The button over the table, and the move label beside it.
  w.Deal();
  const QPushButton* button = Find<QPushButton>(*w, "showAllMoves");
  EXPECT_NE(button->text(), QStringLiteral("Show All Moves"));
  ExpectTextFits(button);
  EXPECT_FALSE(button->geometry().intersects(Find<QLabel>(*w, "moveCount")->geometry()));

  // The statistics dialog, with the widest numbers it can show.
  const StatsTexts widest{"-2147483648", "-2147483648", "-2147483648", "-2147483648",
                          CurrentStreakText({.streak_kind = kStreakLosses, .streak_count = 2147483647})};
  WhenNextDialogOpens([](QWidget* dialog) {
    EXPECT_NE(dialog->windowTitle(), QStringLiteral("Game Statistics"));
    ExpectNothingClipped(dialog, dialog->findChild<QWidget*>(QStringLiteral("bevel"))->geometry());
    static_cast<QDialog*>(dialog)->done(kStatsOk);
  });
  w.statistics_dialog->ShowModal(widest);

  // The messages and questions the game asks, in real message boxes with Qt's standard buttons.
  Find(*w, "help")->trigger();
  for (int hint = 0; hint < 4; ++hint) Find(*w, "giveHint")->trigger();
  w.Deal();
  ASSERT_EQ(w.host.messages.size(), 2u);
  EXPECT_NE(w.host.messages[0], kQuickHelp.english);
  platform::QtHost host(w.window.get());
  for (const std::string& message : w.host.messages) {
    WhenNextDialogOpens([](QWidget* box) {
      ExpectNothingClipped(box, box->rect());
      static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    host.ShowMessage(message);
  }
  ASSERT_FALSE(w.host.questions.empty());
  WhenNextDialogOpens([](QWidget* box) {
    auto* question = static_cast<QMessageBox*>(box);
    EXPECT_NE(question->button(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));
    ExpectNothingClipped(box, box->rect());
    question->button(QMessageBox::No)->click();
  });
  EXPECT_FALSE(host.AskWarning(w.host.questions.back(), platform::DefaultAnswer::kNo));
}

TEST_P(InEveryLanguage, TheAdditionsAreTranslatedAndNothingIsCutOff) {
  const QString language = QString::fromStdString(GetParam());
  const app::Translations translations(GameDir().path(), {QString(language).replace(u'_', u'-')});
  const testing::TempSettingsHome home;  // the switches go into a folder of this test's own
  {
    Window w;
    // The live verdict, in its part of the status bar.
    Find(*w, "tellWinnable")->trigger();
    w.host.SetNow(1700000004);
    w.Deal();
    QLabel* verdict = w->aids().verdict();
    for (int tries = 0; tries < 1000 &&
                        verdict->text() != QCoreApplication::translate("Table", "This game can still be won");
         ++tries) {
      QCoreApplication::processEvents();
      QThread::msleep(5);
    }
    EXPECT_NE(verdict->text(), QStringLiteral("This game can still be won"));
    EXPECT_TRUE(w->statusBar()->rect().contains(verdict->geometry())) << verdict->text().toStdString();
    EXPECT_LE(verdict->fontMetrics().horizontalAdvance(verdict->text()), verdict->contentsRect().width());

    // The Select Deal dialog, its refusal shown.
    platform::QtHost host(w.window.get());
    WhenNextDialogOpens([](QWidget* dialog) {
      EXPECT_NE(dialog->windowTitle(), QStringLiteral("Select Deal"));
      dialog->findChild<QLineEdit*>()->setText(QStringLiteral("x"));
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      QCoreApplication::processEvents();
      ExpectNothingClipped(dialog, dialog->rect());
      static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_EQ(host.AskDealNumber(1700000004u), std::nullopt);
    Find(*w, "tellWinnable")->trigger();
  }
  SetRunSettingsDir(RunSettingsDir());
}

INSTANTIATE_TEST_SUITE_P(Translations, InEveryLanguage, ::testing::ValuesIn(Languages()),
                         [](const ::testing::TestParamInfo<std::string>& param) { return param.param; });

TEST(Translations, TheLanguageIsTheFirstOfThePlayersThatIsEnglishOrTranslated) {
  struct Row {
    QStringList wanted;
    QString installed;
  };
  const Row rows[] = {
      {{"de-DE", "de-Latn-DE", "de"}, "de"},
      {{"fi", "pt-BR", "de"}, "pt_BR"},
      {{"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN"},
      {{"en-GB", "de"}, ""},  // English first: nothing to load
      {{"C"}, ""},
      {{"pt-PT", "pt"}, ""},  // no translation fits
      {{"zh-TW", "zh-Hant-TW"}, ""},
  };
  for (const Row& row : rows) {
    const app::Translations translations(GameDir().path(), row.wanted);
    EXPECT_EQ(translations.Language(), row.installed) << row.wanted.join(u' ').toStdString();
    const std::string help = platform::Tr(kQuickHelp);
    EXPECT_EQ(help == kQuickHelp.english, row.installed.isEmpty()) << row.wanted.join(u' ').toStdString();
  }
  // Once the translations are gone, every text is the English one again.
  EXPECT_EQ(platform::Tr(kQuickHelp), kQuickHelp.english);
}

}  // namespace
}  // namespace vantrel::uitest
