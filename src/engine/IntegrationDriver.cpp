#include "engine/IntegrationDriver.h"

#include "engine/Checked.h"

namespace vrn {

IntegrationDriver::IntegrationDriver(Integer model, const Konstanten& k, double ordnung, const Konz& start)
    : model_(model), k_(k), n_(ordnung), start_(start), rule_(model, k, ordnung, start) {}

void IntegrationDriver::advance(Konz& y, double from, double delta, double to) {
    if (!steif_) {
        if (rule_.advance(y, delta)) {
            lastStep_ = rule_.lastStep();
            return;
        }
        steif_ = std::make_unique<StiffIntegrator>(model_, k_, n_, y, from, start_);
    }
    if (!steif_->advanceTo(to, y)) throw RuntimeFault{steif_->failureText()};
    lastStep_ = steif_->lastStep();
}

}  // namespace vrn
