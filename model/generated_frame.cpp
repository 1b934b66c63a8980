#include "model/generated_frame.h"

namespace lw {

GeneratedFrame::~GeneratedFrame()
{
    freeGeneratedChain(next);
}

void freeGeneratedChain(std::unique_ptr<GeneratedFrame>& head)
{
    while (head) {
        std::unique_ptr<GeneratedFrame> rest = std::move(head->next);
        head = std::move(rest);
    }
}

int generatedChainLength(const GeneratedFrame* head)
{
    int count = 0;
    for (; head; head = head->next.get())
        ++count;
    return count;
}

} // namespace lw
