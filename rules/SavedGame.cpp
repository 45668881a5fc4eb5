#include "rules/SavedGame.h"

#include "rules/DayAdvance.h"

#include <array>
#include <charconv>
#include <vector>

namespace rules {

namespace {

constexpr std::string_view kHeader = "dushihuolang saved game 1";
constexpr std::int32_t kRoomCapacity = 100;
constexpr std::int32_t kFullHealth = 100;
constexpr std::int32_t kMin = INT32_MIN;
constexpr std::int32_t kMax = INT32_MAX;

int goodsIndex(const std::string& name)
{
    for (int i = 0; i < kGoodsCount; ++i) {
        if (name == GoodsCatalogue[size_t(i)].name)
            return i;
    }
    return -1;
}

bool isLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

// Walks the lines of a saved game, each "key value ...": any line that is not what it must
// be at its place fails the whole reading.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    bool line(std::string_view expected) { return next() && current_ == expected; }

    // The numbers after `key`, each within [lower, upper].
    template <std::size_t N>
    bool numbers(std::string_view key, std::array<std::int64_t, N>& values, std::int64_t lower, std::int64_t upper)
    {
        if (!next() || current_.substr(0, key.size()) != key)
            return false;
        std::string_view text = current_.substr(key.size());
        for (std::int64_t& value : values) {
            if (text.empty() || text.front() != ' ')
                return false;
            text.remove_prefix(1);
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, value);
            // No sign but "-", no leading zero: one way to write each number, as the writer does.
            const bool canonical = stop != text.data() && (text[0] != '0' || stop - text.data() == 1) &&
                                   !(text[0] == '-' && (stop - text.data() == 1 || text[1] == '0'));
            if (error != std::errc() || !canonical || value < lower || value > upper)
                return false;
            text.remove_prefix(std::size_t(stop - text.data()));
        }
        return text.empty();
    }

    bool number(std::string_view key, std::int64_t& value, std::int64_t lower, std::int64_t upper)
    {
        std::array<std::int64_t, 1> one{};
        const bool read = numbers(key, one, lower, upper);
        value = one[0];
        return read;
    }

    // The bytes written as hex digits after `key`.
    bool hexBytes(std::string_view key, std::string& bytes, std::size_t most)
    {
        if (!next() || current_.substr(0, key.size()) != key)
            return false;
        std::string_view text = current_.substr(key.size());
        if (text.empty())
            return true;
        // An empty name is written without its blank.
        if (text.front() != ' ' || text.size() % 2 != 1 || text.size() < 3 || text.size() / 2 > most)
            return false;
        for (std::size_t i = 1; i < text.size(); i += 2) {
            unsigned value = 0;
            const auto [stop, error] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
            if (error != std::errc() || stop != text.data() + i + 2 || !isLowerHex(text[i]) || !isLowerHex(text[i + 1]))
                return false;
            bytes.push_back(char(value));
        }
        return true;
    }

    bool atEnd() const { return rest_.empty(); }

private:
    bool next()
    {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos)
            return false;
        current_ = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return true;
    }

    std::string_view rest_;
    std::string_view current_;
};

void writeLine(std::string& out, std::string_view key, std::initializer_list<std::int64_t> values)
{
    out += key;
    for (const std::int64_t value : values)
        out += ' ' + std::to_string(value);
    out += '\n';
}

bool readSort(Reader& reader, std::string_view key, ColumnSort& sort, int columns)
{
    std::array<std::int64_t, 2> values{};
    if (!reader.numbers(key, values, -1, columns - 1) || values[1] < 0 || values[1] > 1)
        return false;
    sort.column = int(values[0]);
    sort.ascending = values[1] == 1;
    return true;
}

} // namespace

std::uint32_t listHash(std::string_view listFile)
{
    std::uint32_t hash = 2166136261u;
    for (const char byte : listFile)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    return hash;
}

std::string formatSavedGame(const SavedGame& game)
{
    const GameState& state = game.state;
    std::string out(kHeader);
    out += '\n';
    out += "player";
    if (!game.player.empty()) {
        static const char kDigits[] = "0123456789abcdef";
        out += ' ';
        for (const char byte : game.player.substr(0, kSavedNameBytes)) {
            out += kDigits[static_cast<unsigned char>(byte) >> 4];
            out += kDigits[static_cast<unsigned char>(byte) & 15];
        }
    }
    out += '\n';
    writeLine(out, "ended", {game.ended ? 1 : 0, game.listBefore});
    writeLine(out, "dice", {game.diceState});
    writeLine(out, "cash", {state.cash});
    writeLine(out, "debt", {state.debt});
    writeLine(out, "savings", {state.savings});
    writeLine(out, "health", {state.health});
    writeLine(out, "days-left", {state.daysLeft});
    writeLine(out, "room", {state.roomCount, state.roomCapacity});
    out += "prices";
    for (const std::int32_t price : state.prices)
        out += ' ' + std::to_string(price);
    out += '\n';
    writeLine(out, "offers", {std::int64_t(state.offers.size())});
    for (const MarketOffer& offer : state.offers)
        writeLine(out, "offer", {goodsIndex(offer.name), offer.price});
    writeLine(out, "holdings", {std::int64_t(state.holdings.size())});
    for (const RoomHolding& holding : state.holdings)
        writeLine(out, "holding", {goodsIndex(holding.name), holding.purchasePrice, holding.quantity});
    writeLine(out, "market-sort", {game.marketSort.column, game.marketSort.ascending ? 1 : 0});
    writeLine(out, "room-sort", {game.roomSort.column, game.roomSort.ascending ? 1 : 0});
    out += "end\n";
    return out;
}

std::optional<SavedGame> parseSavedGame(std::string_view bytes)
{
    Reader reader(bytes);
    SavedGame game;
    GameState& state = game.state;
    std::array<std::int64_t, 2> ended{};
    std::int64_t dice = 0, cash = 0, debt = 0, savings = 0, health = 0, days = 0, offers = 0, holdings = 0;
    std::array<std::int64_t, 2> room{};
    std::array<std::int64_t, kGoodsCount> prices{};
    if (!reader.line(kHeader) || !reader.hexBytes("player", game.player, kSavedNameBytes) ||
        !reader.numbers("ended", ended, 0, UINT32_MAX) || ended[0] > 1 || (ended[0] == 0 && ended[1] != 0) || !reader.number("dice", dice, 0, UINT32_MAX) ||
        !reader.number("cash", cash, kMin, kMax) || !reader.number("debt", debt, kMin, kMax) ||
        !reader.number("savings", savings, kMin, kMax) || !reader.number("health", health, kMin, kFullHealth) ||
        !reader.number("days-left", days, 0, kGameDays) || !reader.numbers("room", room, 0, kRoomCapacity) ||
        room[1] != kRoomCapacity || !reader.numbers("prices", prices, 0, kMax) ||
        !reader.number("offers", offers, 0, kGoodsCount))
        return std::nullopt;
    game.ended = ended[0] == 1;
    game.listBefore = std::uint32_t(ended[1]);
    game.diceState = std::uint32_t(dice);
    state.cash = std::int32_t(cash);
    state.debt = std::int32_t(debt);
    state.savings = std::int32_t(savings);
    state.health = std::int32_t(health);
    state.daysLeft = std::int32_t(days);
    state.roomCount = std::int32_t(room[0]);
    state.roomCapacity = kRoomCapacity;
    for (int i = 0; i < kGoodsCount; ++i)
        state.prices[size_t(i)] = std::int32_t(prices[size_t(i)]);

    // Today's market is exactly the goods with a price, each once, at that price.
    std::array<bool, kGoodsCount> offered{};
    for (std::int64_t row = 0; row < offers; ++row) {
        std::array<std::int64_t, 2> offer{};
        if (!reader.numbers("offer", offer, 0, kMax) || offer[0] >= kGoodsCount || offered[size_t(offer[0])] ||
            offer[1] < 1 || offer[1] != prices[size_t(offer[0])])
            return std::nullopt;
        offered[size_t(offer[0])] = true;
        state.offers.push_back({GoodsCatalogue[size_t(offer[0])].name, std::int32_t(offer[1])});
    }
    for (int i = 0; i < kGoodsCount; ++i) {
        if (offered[size_t(i)] != (prices[size_t(i)] > 0))
            return std::nullopt;
    }

    // The room: each goods once, at least one of each, and as many in all as it counts.
    std::array<bool, kGoodsCount> held{};
    std::int64_t items = 0;
    if (!reader.number("holdings", holdings, 0, kGoodsCount))
        return std::nullopt;
    for (std::int64_t row = 0; row < holdings; ++row) {
        std::array<std::int64_t, 3> holding{};
        if (!reader.numbers("holding", holding, 0, kMax) || holding[0] >= kGoodsCount || held[size_t(holding[0])] ||
            holding[2] < 1 || holding[2] > kRoomCapacity)
            return std::nullopt;
        held[size_t(holding[0])] = true;
        items += holding[2];
        state.holdings.push_back(
            {GoodsCatalogue[size_t(holding[0])].name, std::int32_t(holding[1]), std::int32_t(holding[2])});
    }
    if (items != state.roomCount || !readSort(reader, "market-sort", game.marketSort, 3) ||
        !readSort(reader, "room-sort", game.roomSort, 3) || !reader.line("end") || !reader.atEnd())
        return std::nullopt;
    return game;
}

} // namespace rules
