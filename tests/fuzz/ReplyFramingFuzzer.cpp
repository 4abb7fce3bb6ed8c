// Reply framing and lists: the readers every printer answer goes through.

#include "FuzzedPrinter.h"
#include "protocol/ReplyFraction.h"
#include "protocol/ReplyFraming.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureQtApplication();
    if (size == 0)
        return 0;
    const std::uint8_t reader = data[0] % 4;
    fuzz::FuzzedPrinter printer(data + 1, size - 1);
    QByteArray reply;
    switch (reader) {
    case 0: {
        printer.queueAllAnswers();
        auto link = printer.openLink();
        // Small capacities reach the refusal of frames longer than the caller's buffer.
        ReadFramedReply(*link, reply, size > 1 ? data[1] % 64 + 2 : kSingleValueCapacity);
        break;
    }
    case 1: {
        printer.queueAllAnswers();
        auto link = printer.openLink();
        while (ReadLineReply(*link, reply) && !reply.isEmpty())
            ;
        break;
    }
    case 2: {
        auto link = printer.openLink();
        ExchangeList(*link, "LIST\r\n", reply, 4096);
        break;
    }
    default: {
        const QByteArrayView text(data + 1, static_cast<qsizetype>(size - 1));
        ReplyNumber(text);
        ReplyFraction(text);
        break;
    }
    }
    return 0;
}
