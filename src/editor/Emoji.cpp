#include "editor/Emoji.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Emoji {

const QList<QPair<QString, QString>>& table()
{
    static const QList<QPair<QString, QString>> pairs = {
        {u"smile"_s, u"😄"_s},
        {u"grin"_s, u"😁"_s},
        {u"laughing"_s, u"😆"_s},
        {u"joy"_s, u"😂"_s},
        {u"rofl"_s, u"🤣"_s},
        {u"blush"_s, u"😊"_s},
        {u"wink"_s, u"😉"_s},
        {u"heart_eyes"_s, u"😍"_s},
        {u"kissing_heart"_s, u"😘"_s},
        {u"thinking"_s, u"🤔"_s},
        {u"neutral"_s, u"😐"_s},
        {u"expressionless"_s, u"😑"_s},
        {u"unamused"_s, u"😒"_s},
        {u"sweat_smile"_s, u"😅"_s},
        {u"sob"_s, u"😭"_s},
        {u"cry"_s, u"😢"_s},
        {u"angry"_s, u"😠"_s},
        {u"rage"_s, u"😡"_s},
        {u"sunglasses"_s, u"😎"_s},
        {u"nerd"_s, u"🤓"_s},
        {u"sleeping"_s, u"😴"_s},
        {u"yawning"_s, u"🥱"_s},
        {u"scream"_s, u"😱"_s},
        {u"flushed"_s, u"😳"_s},
        {u"shushing"_s, u"🤫"_s},
        {u"zipper_mouth"_s, u"🤐"_s},
        {u"star_struck"_s, u"🤩"_s},
        {u"partying"_s, u"🥳"_s},
        {u"pleading"_s, u"🥺"_s},
        {u"cold_sweat"_s, u"😰"_s},
        {u"thumbsup"_s, u"👍"_s},
        {u"thumbsdown"_s, u"👎"_s},
        {u"ok_hand"_s, u"👌"_s},
        {u"clap"_s, u"👏"_s},
        {u"raised_hands"_s, u"🙌"_s},
        {u"pray"_s, u"🙏"_s},
        {u"wave"_s, u"👋"_s},
        {u"muscle"_s, u"💪"_s},
        {u"point_right"_s, u"👉"_s},
        {u"point_left"_s, u"👈"_s},
        {u"point_up"_s, u"☝️"_s},
        {u"point_down"_s, u"👇"_s},
        {u"fingers_crossed"_s, u"🤞"_s},
        {u"handshake"_s, u"🤝"_s},
        {u"writing_hand"_s, u"✍️"_s},
        {u"fist"_s, u"✊"_s},
        {u"heart"_s, u"❤️"_s},
        {u"orange_heart"_s, u"🧡"_s},
        {u"yellow_heart"_s, u"💛"_s},
        {u"green_heart"_s, u"💚"_s},
        {u"blue_heart"_s, u"💙"_s},
        {u"purple_heart"_s, u"💜"_s},
        {u"black_heart"_s, u"🖤"_s},
        {u"broken_heart"_s, u"💔"_s},
        {u"sparkling_heart"_s, u"💖"_s},
        {u"fire"_s, u"🔥"_s},
        {u"sparkles"_s, u"✨"_s},
        {u"star"_s, u"⭐️"_s},
        {u"star2"_s, u"🌟"_s},
        {u"boom"_s, u"💥"_s},
        {u"zap"_s, u"⚡️"_s},
        {u"rainbow"_s, u"🌈"_s},
        {u"sun"_s, u"☀️"_s},
        {u"cloud"_s, u"☁️"_s},
        {u"snowflake"_s, u"❄️"_s},
        {u"droplet"_s, u"💧"_s},
        {u"ocean"_s, u"🌊"_s},
        {u"check"_s, u"✅"_s},
        {u"white_check_mark"_s, u"✅"_s},
        {u"x"_s, u"❌"_s},
        {u"warning"_s, u"⚠️"_s},
        {u"no_entry"_s, u"⛔️"_s},
        {u"question"_s, u"❓"_s},
        {u"exclamation"_s, u"❗️"_s},
        {u"bulb"_s, u"💡"_s},
        {u"bell"_s, u"🔔"_s},
        {u"lock"_s, u"🔒"_s},
        {u"unlock"_s, u"🔓"_s},
        {u"key"_s, u"🔑"_s},
        {u"gear"_s, u"⚙️"_s},
        {u"hammer"_s, u"🔨"_s},
        {u"wrench"_s, u"🔧"_s},
        {u"pushpin"_s, u"📌"_s},
        {u"paperclip"_s, u"📎"_s},
        {u"rocket"_s, u"🚀"_s},
        {u"airplane"_s, u"✈️"_s},
        {u"car"_s, u"🚗"_s},
        {u"bike"_s, u"🚲"_s},
        {u"hourglass"_s, u"⏳"_s},
        {u"watch"_s, u"⌚️"_s},
        {u"alarm_clock"_s, u"⏰"_s},
        {u"calendar"_s, u"📅"_s},
        {u"chart"_s, u"📊"_s},
        {u"chart_up"_s, u"📈"_s},
        {u"chart_down"_s, u"📉"_s},
        {u"clipboard"_s, u"📋"_s},
        {u"memo"_s, u"📝"_s},
        {u"pencil"_s, u"✏️"_s},
        {u"book"_s, u"📖"_s},
        {u"books"_s, u"📚"_s},
        {u"bookmark"_s, u"🔖"_s},
        {u"email"_s, u"📧"_s},
        {u"inbox"_s, u"📥"_s},
        {u"outbox"_s, u"📤"_s},
        {u"package"_s, u"📦"_s},
        {u"label"_s, u"🏷️"_s},
        {u"computer"_s, u"💻"_s},
        {u"keyboard"_s, u"⌨️"_s},
        {u"phone"_s, u"📱"_s},
        {u"camera"_s, u"📷"_s},
        {u"coffee"_s, u"☕️"_s},
        {u"tea"_s, u"🍵"_s},
        {u"beer"_s, u"🍺"_s},
        {u"wine"_s, u"🍷"_s},
        {u"pizza"_s, u"🍕"_s},
        {u"hamburger"_s, u"🍔"_s},
        {u"taco"_s, u"🌮"_s},
        {u"cake"_s, u"🍰"_s},
        {u"cookie"_s, u"🍪"_s},
        {u"apple"_s, u"🍎"_s},
        {u"tada"_s, u"🎉"_s},
        {u"confetti"_s, u"🎊"_s},
        {u"balloon"_s, u"🎈"_s},
        {u"gift"_s, u"🎁"_s},
        {u"trophy"_s, u"🏆"_s},
        {u"medal"_s, u"🏅"_s},
        {u"crown"_s, u"👑"_s},
        {u"gem"_s, u"💎"_s},
        {u"moneybag"_s, u"💰"_s},
        {u"dollar"_s, u"💵"_s},
        {u"dog"_s, u"🐶"_s},
        {u"cat"_s, u"🐱"_s},
        {u"fox"_s, u"🦊"_s},
        {u"bear"_s, u"🐻"_s},
        {u"panda"_s, u"🐼"_s},
        {u"unicorn"_s, u"🦄"_s},
        {u"bug"_s, u"🐛"_s},
        {u"butterfly"_s, u"🦋"_s},
        {u"turtle"_s, u"🐢"_s},
        {u"whale"_s, u"🐳"_s},
        {u"seedling"_s, u"🌱"_s},
        {u"herb"_s, u"🌿"_s},
        {u"leaves"_s, u"🍃"_s},
        {u"flower"_s, u"🌸"_s},
        {u"rose"_s, u"🌹"_s},
        {u"eyes"_s, u"👀"_s},
        {u"brain"_s, u"🧠"_s},
        {u"ghost"_s, u"👻"_s},
        {u"robot"_s, u"🤖"_s},
        {u"alien"_s, u"👽"_s},
        {u"poop"_s, u"💩"_s},
        {u"skull"_s, u"💀"_s},
        {u"wave_hand"_s, u"👋"_s},
        {u"100"_s, u"💯"_s},
        {u"ok"_s, u"🆗"_s},
    };
    return pairs;
}

const QHash<QString, QString>& map()
{
    static const QHash<QString, QString> m = [] {
        QHash<QString, QString> h;
        for (const auto& [name, emoji] : table()) h.insert(name, emoji);
        return h;
    }();
    return m;
}

QStringList matches(QStringView query)
{
    const QString q = query.toString().toLower();
    if (q.isEmpty()) return {};
    QStringList starting, containing;
    for (const auto& [name, emoji] : table()) {
        if (name.startsWith(q))
            starting.append(name);
        else if (name.contains(q))
            containing.append(name);
    }
    std::sort(starting.begin(), starting.end());
    std::sort(containing.begin(), containing.end());
    QStringList result;
    for (const QStringList* group : {&starting, &containing}) {
        for (const QString& name : *group) {
            if (result.size() == 12) return result;
            result.append(map().value(name));
        }
    }
    return result;
}

TextRange completionRange(QStringView text, int caret)
{
    if (caret < 0 || caret > text.size()) return TextRange::notFound();
    for (int i = caret - 1; i >= 0; --i) {
        const QChar c = text[i];
        if (c.isSurrogate()) return TextRange::notFound();
        if (c == u':') return TextRange(i, caret - i);
        if (!(c.isLetterOrNumber() || c == u'_' || c == u'+' || c == u'-')) return TextRange::notFound();
    }
    return TextRange::notFound();
}

bool opensListWhileTyping(QStringView word)
{
    static const QRegularExpression trigger(u"^:[a-z0-9_+-]{2,}$"_s, QRegularExpression::CaseInsensitiveOption);
    return word.size() >= 3 && trigger.match(word).hasMatch() && !matches(word.mid(1)).isEmpty();
}

} // namespace Emoji
