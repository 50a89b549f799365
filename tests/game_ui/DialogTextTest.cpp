// What the game's dialogs show and say: every text the program puts into a control
// fits it at the dialog font, and every control has a name for assistive technology.
#include <QAccessible>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <map>

#include "framework/Static.h"
#include "game/engine/StringTable.h"
#include "game/ui/Resource.h"
#include "platform/Format.h"
#include "tests/game_ui/GameFixture.h"

namespace game_ui_test {
namespace {

using namespace lettrino;
using platform::FormatString;

using DialogTextTest = CGameFixture;

// Whether `text` shows whole in `pControl`: each line within its width, and the lines
// (wrapped, in a label that wraps) within its height.
bool Fits(const QWidget* pControl, const std::string& text) {
    QString shown = framework::MnemonicCaption(QString::fromStdString(text));
    if (shown.isEmpty()) {
        shown = QString::fromStdString(text);
    }
    while (shown.endsWith(u'\n')) {
        shown.chop(1);  // an empty last line shows nothing
    }
    const QFontMetrics metrics(pControl->font());
    const QSize area = pControl->contentsRect().size();
    const auto* pLabel = dynamic_cast<const QLabel*>(pControl);
    if (pLabel && pLabel->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20),
                                                  Qt::AlignLeft | Qt::TextWordWrap, shown);
        return needed.width() <= area.width() && needed.height() <= area.height();
    }
    const QStringList lines = shown.split(u'\n');
    for (const QString& line : lines) {
        // The pixels the line covers, not its advance, which may end in empty space.
        if (metrics.boundingRect(line).right() >= area.width()) {
            return false;
        }
    }
    return lines.size() * metrics.lineSpacing() <= area.height();
}

std::string Caption(const QWidget* pControl) {
    if (const auto* pLabel = dynamic_cast<const QLabel*>(pControl)) {
        return pLabel->text().toStdString();
    }
    if (const auto* pButton = dynamic_cast<const QPushButton*>(pControl)) {
        return pButton->text().toStdString();
    }
    if (const auto* pGroup = dynamic_cast<const QGroupBox*>(pControl)) {
        return pGroup->title().toStdString();
    }
    return std::string();
}

TEST_F(DialogTextTest, EveryTextFitsItsControl) {
    // The widest texts the program puts into its labels: three-digit counts, and a
    // puzzle word of sixteen of the widest letters.
    struct Row {
        int nTemplateId;
        int nId;
        std::string text;
    };
    const std::string wide(16, 'W');
    const std::string game = LoadGameString(IDS_GAME_SCORE);
    const Row rows[] = {
        {IDD_LETTRINO, IDC_PUZZLE_WORD, wide},
        {IDD_LETTRINO, IDC_PUZZLE_WORD, std::string(16, 'M')},
        {IDD_LETTRINO, IDC_CUBE1, "W"},
        {IDD_LETTRINO, IDC_GAME_SCORE, FormatString(game, {100, 100, 100})},
        {IDD_LETTRINO, IDC_AVERAGE_SCORE, FormatString(LoadGameString(IDS_AVERAGE_SCORE), {100})},
        {IDD_START_GAME, IDC_START_MESSAGE,
         FormatString(LoadGameString(IDS_START_GAME_TEXT), {wide, 100})},
        {IDD_QUIT_GAME, IDC_FOUND_HEADING, FormatString(LoadGameString(IDS_FOUND_HEADING), {100})},
        {IDD_QUIT_GAME, IDC_MISSED_HEADING,
         FormatString(LoadGameString(IDS_MISSED_HEADING), {100})},
    };
    std::vector<std::string> misfits;
    auto check = [&](framework::CDialog& dialog) {
        for (QWidget* pControl : dialog.GetControls()) {
            if (!Fits(pControl, Caption(pControl))) {
                misfits.push_back(Caption(pControl));
            }
        }
        for (const Row& row : rows) {
            if (row.nTemplateId == dialog.GetTemplate().nId &&
                !Fits(dialog.GetDlgItem(row.nId), row.text)) {
                misfits.push_back(row.text);
            }
        }
    };
    OpenSplatterGame();
    check(*m_pDlg);
    m_ui.OnNextDialog(check);
    Click(IDC_START_GAME);
    AddWord("SEA");
    check(*m_pDlg);
    m_ui.OnNextDialog(check);
    Click(IDC_QUIT_GAME);
    m_ui.OnNextDialog(check);
    Click(IDC_ABOUT);
    EXPECT_TRUE(m_ui.ScriptUsedUp());
    EXPECT_EQ(misfits, std::vector<std::string>{});
}

std::string AccessibleName(QWidget* pControl) {
    QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pControl);
    return pAccessible ? pAccessible->text(QAccessible::Name).toStdString() : std::string();
}

TEST_F(DialogTextTest, EveryControlIsAnnouncedByAMeaningfulName) {
    enum Stage { BeforeGame, InGame, Quitting, About };
    struct Row {
        Stage stage;
        int nId;
        std::string name;
    };
    const Row rows[] = {
        {BeforeGame, IDC_CUBE1, "empty"},
        {BeforeGame, IDC_CUBE1 + 15, "empty"},
        {BeforeGame, IDC_FIND_WORDS_LABEL, "Find words from the letters of:"},
        {BeforeGame, IDC_WORD, "Word"},
        {BeforeGame, IDC_FOUND_LIST, "Found words"},
        {BeforeGame, IDC_ADD_WORD, "Add Word to List"},
        {InGame, IDC_CUBE1, "S"},
        {InGame, IDC_CUBE1 + 1, "P"},  // taken by the word typed, still named
        {InGame, IDC_CUBE1 + 7, "R"},
        {InGame, IDC_WORD, "Word"},
        {InGame, IDC_FOUND_LIST, "Found 1 words from a maximum of 30 (3%):"},
        {InGame, IDC_PUZZLE_WORD, "SPLATTER"},
        {Quitting, IDC_QUIT_FOUND_LIST, "You found the following 1 words:"},
        {Quitting, IDC_MISSED_LIST, "In addition, you could have found the following 29 words:"},
        {Quitting, framework::CommandOk, "Close"},
        {About, IDC_ABOUT_ICON, "Lettrino"},
    };
    auto check = [&](framework::CDialog& dialog, Stage stage) {
        std::map<int, std::string> names;
        for (std::size_t i = 0; i < dialog.GetControls().size(); ++i) {
            QWidget* pControl = dialog.GetControls()[i];
            const int nId = dialog.GetTemplate().controls[i].nId;
            names[nId] = AccessibleName(pControl);
            // A label that shows nothing has nothing to say.
            const auto* pLabel = dynamic_cast<const QLabel*>(pControl);
            const bool bBlank = pLabel && pLabel->text().isEmpty() && pLabel->pixmap().isNull();
            if (!pControl->isHidden() && !bBlank) {
                EXPECT_NE(names[nId], "") << stage << " control " << nId;
            }
        }
        for (const Row& row : rows) {
            if (row.stage == stage) {
                EXPECT_EQ(names[row.nId], row.name) << stage << " control " << row.nId;
            }
        }
    };
    OpenSplatterGame();
    check(*m_pDlg, BeforeGame);
    StartGame();
    AddWord("SEA");
    Type("P");
    check(*m_pDlg, InGame);
    m_ui.OnNextDialog([&](framework::CDialog& dialog) { check(dialog, Quitting); });
    Click(IDC_QUIT_GAME);
    m_ui.OnNextDialog([&](framework::CDialog& dialog) { check(dialog, About); });
    Click(IDC_ABOUT);
    EXPECT_TRUE(m_ui.ScriptUsedUp());
}

}  // namespace
}  // namespace game_ui_test
