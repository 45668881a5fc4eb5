#include "RecordingHost.h"

#include <stdexcept>

using namespace rules;

std::vector<std::string> RecordingHost::messages() const
{
    std::vector<std::string> texts;
    for (const std::string& line : log)
        if (line.rfind("diary: ", 0) == 0 || line.rfind("news: ", 0) == 0)
            texts.push_back(line.substr(line.find(' ') + 1));
    return texts;
}

void RecordingHost::showMessage(MessageDialog dialog, const std::string& gbkText)
{
    log.push_back((dialog == MessageDialog::News ? "news: " : "diary: ") + gbkText);
}

void RecordingHost::showFigure(Figure figure, const std::string& text)
{
    const char* names[] = {"cash", "savings", "debt", "health"};
    log.push_back(std::string(names[int(figure)]) + "=" + text);
}

void RecordingHost::setDayCaption(const std::string& gbkText)
{
    log.push_back("caption: " + gbkText);
}

void RecordingHost::marketRebuilt(const std::vector<MarketOffer>& offers)
{
    log.push_back("market");
    marketsShown.push_back(offers);
}

void RecordingHost::roomRowChanged(RowChange change, int index, const RoomHolding&)
{
    const char* marks[] = {"row+", "row~", "row-"};
    log.push_back(marks[int(change)] + std::to_string(index));
}

std::optional<int> RecordingHost::selectedRow(List list)
{
    return list == List::Market ? marketSelection : roomSelection;
}

std::optional<std::int32_t> RecordingHost::askNumber(const NumberQuestion& question)
{
    struct Queue {
        const char* line;
        std::deque<Answer>* answers;
    };
    const Queue queues[] = {{"buy?", &buyAnswers},
                            {"sell?", &sellAnswers},
                            {"amount?", &amountAnswers},
                            {"hospital?", &hospitalAnswers},
                            {"repay?", &repayAnswers}};
    const Queue& queue = queues[int(question.kind)];
    log.push_back(queue.line);
    questions.push_back(question);
    // A question the test did not expect is a fault of the rules under test.
    if (queue.answers->empty())
        throw std::logic_error(std::string("unexpected question ") + queue.line);
    const Answer answer = queue.answers->front();
    queue.answers->pop_front();
    return answer;
}

void RecordingHost::runBankDialog(const std::string& line, const std::function<void(BankChoice)>& onChoice)
{
    log.push_back("bank: " + line);
    if (bankChoices.empty())
        throw std::logic_error("unexpected bank visit");
    const BankChoice choice = bankChoices.front();
    bankChoices.pop_front();
    onChoice(choice);
    log.push_back("bank closed");
}

void RecordingHost::requestEndOfGame(GameEnd result)
{
    log.push_back(result == GameEnd::Ok ? "end:ok" : "end:cancel");
    endRequests.push_back(result);
}

ScriptedDice::ScriptedDice(std::vector<std::int32_t> values)
{
    then(values);
}

ScriptedDice& ScriptedDice::then(const std::vector<std::int32_t>& values)
{
    values_.insert(values_.end(), values.begin(), values.end());
    return *this;
}

std::int32_t ScriptedDice::roll(std::int32_t n)
{
    asked.push_back(n);
    if (values_.empty())
        throw std::logic_error("a roll beyond the script");
    const std::int32_t value = values_.front();
    values_.pop_front();
    if (value < 0 || value >= n)
        throw std::logic_error("roll(" + std::to_string(n) + ") cannot give " + std::to_string(value));
    return value;
}

std::vector<std::int32_t> newsDraws(const std::vector<int>& firing)
{
    std::vector<std::int32_t> draws(kMarketNewsTable.size(), 1);
    for (int row : firing)
        draws[size_t(row)] = 0;
    return draws;
}

std::vector<std::int32_t> firstRowDraws(int row, int rowCount)
{
    if (row < 0)
        return std::vector<std::int32_t>(size_t(rowCount), 1);
    std::vector<std::int32_t> draws(size_t(row), 1);
    draws.push_back(0);
    return draws;
}

std::vector<std::int32_t> plainPriceDraws()
{
    return {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

std::vector<std::int32_t> quietDayDraws()
{
    std::vector<std::int32_t> draws = plainPriceDraws();
    for (const std::vector<std::int32_t>& table :
         {newsDraws({}), firstRowDraws(-1, int(kHealthEventTable.size())), firstRowDraws(-1, int(kMoneyLossTable.size()))})
        draws.insert(draws.end(), table.begin(), table.end());
    return draws;
}
