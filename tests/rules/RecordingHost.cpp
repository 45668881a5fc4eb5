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

void RecordingHost::refreshDisplay(StatusDisplay display, const std::string& text)
{
    const char* names[] = {"cash", "savings", "debt", "health"};
    log.push_back(std::string(names[int(display)]) + "=" + text);
}

void RecordingHost::setDayCaption(const std::string& gbkText)
{
    log.push_back("caption: " + gbkText);
}

void RecordingHost::marketRebuilt()
{
    log.push_back("market");
    marketsShown.push_back(state_.offers);
}

void RecordingHost::roomRowInserted(int index)
{
    log.push_back("row+" + std::to_string(index));
}

void RecordingHost::roomRowChanged(int index)
{
    log.push_back("row~" + std::to_string(index));
}

void RecordingHost::roomRowRemoved(int index)
{
    log.push_back("row-" + std::to_string(index));
}

std::optional<std::int32_t> RecordingHost::answerFrom(std::deque<Answer>& answers, const char* what)
{
    // A question the test did not expect is a fault of the rules under test.
    if (answers.empty())
        throw std::logic_error(std::string("unexpected ") + what + " prompt");
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::int32_t> RecordingHost::askBuyQuantity(const BuyQuantityRequest& request)
{
    log.push_back("buy?");
    buyRequests.push_back(request);
    return answerFrom(buyAnswers, "buy");
}

std::optional<std::int32_t> RecordingHost::askSellQuantity(const SellQuantityRequest& request)
{
    log.push_back("sell?");
    sellRequests.push_back(request);
    return answerFrom(sellAnswers, "sell");
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

std::optional<std::int32_t> RecordingHost::askAmount(const NumberRequest& request)
{
    log.push_back("amount?");
    numberRequests.push_back(request);
    return answerFrom(amountAnswers, "amount");
}

std::optional<std::int32_t> RecordingHost::askHospitalPoints(const NumberRequest& request)
{
    log.push_back("hospital?");
    numberRequests.push_back(request);
    return answerFrom(hospitalAnswers, "hospital");
}

std::optional<std::int32_t> RecordingHost::askRepayment(const NumberRequest& request)
{
    log.push_back("repay?");
    numberRequests.push_back(request);
    return answerFrom(repayAnswers, "repayment");
}

void RecordingHost::requestEndOfGame(GameEnd result)
{
    log.push_back(result == GameEnd::Ok ? "end:ok" : "end:cancel");
    endRequests.push_back(result);
}
