#include "sound/PowerSpectrum.h"

extern "C" {
#include <libavutil/mem.h>
#include <libavutil/tx.h>
}

#include <algorithm>

namespace vornax {

struct PowerSpectrum::State {
    AVTXContext* context = nullptr;
    av_tx_fn transform = nullptr;
    float* in = nullptr;            // size samples, aligned
    AVComplexFloat* out = nullptr;  // size / 2 + 1 bins, aligned
    ~State()
    {
        av_tx_uninit(&context);
        av_free(in);
        av_free(out);
    }
};

PowerSpectrum::PowerSpectrum(int size) : size_(size), state_(std::make_unique<State>())
{
    const auto n = static_cast<std::size_t>(std::max(size, 0));
    state_->in = static_cast<float*>(av_calloc(n, sizeof(float)));
    state_->out = static_cast<AVComplexFloat*>(av_calloc(n / 2 + 1, sizeof(AVComplexFloat)));
    const float scale = 1.0f;
    if (size < 16 || !state_->in || !state_->out ||
        av_tx_init(&state_->context, &state_->transform, AV_TX_FLOAT_RDFT, 0, size, &scale, 0) < 0)
        state_->context = nullptr;
}

PowerSpectrum::~PowerSpectrum() = default;

bool PowerSpectrum::ready() const { return state_->context != nullptr; }

std::span<float> PowerSpectrum::input() { return {state_->in, static_cast<std::size_t>(size_)}; }

void PowerSpectrum::powers(std::vector<float>& p, std::size_t bins)
{
    state_->transform(state_->context, state_->out, state_->in, sizeof(float));
    const auto count = static_cast<std::size_t>(size_ / 2 + 1);
    p.resize(count);
    for (std::size_t k = 0; k < std::min(bins, count); ++k)
        p[k] = state_->out[k].re * state_->out[k].re + state_->out[k].im * state_->out[k].im;
}

}  // namespace vornax
