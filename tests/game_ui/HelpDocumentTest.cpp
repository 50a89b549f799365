#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

#include <string>

#include "game/engine/StringTable.h"
#include "platform/Format.h"

namespace {

// The help window shows the file as rich text, so it is read here the same way.
class HelpDocument : public testing::Test {
protected:
    void SetUp() override {
        QFile file(LETTRINO_HELP_FILE);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << LETTRINO_HELP_FILE;
        m_strSource = QString::fromUtf8(file.readAll());
        m_document.setHtml(m_strSource);
    }

    // Every anchor name the rich-text engine understood.
    QSet<QString> AnchorNames() const {
        QSet<QString> names;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            // An anchor that holds no text is kept on the block it stands before.
            for (const QString& name : block.charFormat().anchorNames()) {
                names.insert(name);
            }
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                for (const QString& name : it.fragment().charFormat().anchorNames()) {
                    names.insert(name);
                }
            }
        }
        return names;
    }

    QString m_strSource;
    QTextDocument m_document;
};

TEST_F(HelpDocument, HasATitleAndReadableText) {
    EXPECT_EQ(m_document.metaInformation(QTextDocument::DocumentTitle), "Lettrino Help");
    // Parsed as markup, not shown as source text.
    const QString text = m_document.toPlainText();
    EXPECT_FALSE(text.contains("<h2>"));
    EXPECT_GT(text.size(), 2000);
}

TEST_F(HelpDocument, EveryLinkLeadsToAnAnchorAndEverySectionIsListed) {
    const QSet<QString> anchors = AnchorNames();
    QSet<QString> targets;
    const QRegularExpression link(R"(href="#([^"]+)\")");
    for (auto match = link.globalMatch(m_strSource); match.hasNext();) {
        targets.insert(match.next().captured(1));
    }
    ASSERT_GE(targets.size(), 9);
    for (const QString& target : targets) {
        EXPECT_TRUE(anchors.contains(target)) << "no anchor for #" << target.toStdString();
    }
    for (const QString& anchor : anchors) {
        EXPECT_TRUE(anchor == "contents" || targets.contains(anchor))
            << "section #" << anchor.toStdString() << " is missing from the contents";
    }
}

// Messages quoted to the player must read as the game shows them, so they are taken
// from the game's string table, filled as the help fills them.
TEST_F(HelpDocument, QuotesTheGamesMessagesAsTheyAreShown) {
    using lettrino::LoadGameString;
    // The path in this message depends on where the game is installed: quoted up to it.
    const std::string loadFailed = LoadGameString(lettrino::IDS_LOAD_FAILED);
    // The score label is quoted without its mnemonic marker and closing colon.
    std::string score =
        platform::FormatString(LoadGameString(lettrino::IDS_GAME_SCORE), {12, 40, 30});
    std::erase(score, '&');
    if (!score.empty() && score.back() == ':') {
        score.pop_back();
    }
    const std::string quoted[] = {
        LoadGameString(lettrino::IDS_SAVE_CHANGES),
        platform::FormatString(LoadGameString(lettrino::IDS_ALREADY_ENTERED), {"WORD"}),
        platform::FormatString(LoadGameString(lettrino::IDS_VALID_WORD), {"WORD"}),
        loadFailed.substr(0, loadFailed.find("\"%s")),
        score,
    };
    const QString text = m_document.toPlainText().simplified();
    for (const std::string& message : quoted) {
        ASSERT_GT(message.size(), 10u);
        EXPECT_TRUE(text.contains(QString::fromStdString(message))) << message;
    }
}

}  // namespace
