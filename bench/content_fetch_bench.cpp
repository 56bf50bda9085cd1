// Ten sequential page fetches over loopback, as at start-up: one kept-alive
// client against a fresh client per request. The server holds back the first
// request of every new connection for `setup` ms (the round trips of opening a
// connection over a real network) and every request for `request` ms.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <thread>

#include "content/content_client.hpp"
#include "content/decipher.hpp"
#include "page_server/page_server.hpp"

namespace {

using std::chrono::milliseconds;

constexpr int kFetches = 10;
constexpr std::string_view kPath = "ads/ksqd.html";

class LatencyServer {
public:
    LatencyServer(milliseconds setup, milliseconds request)
        : server_([request](const httplib::Request&, httplib::Response& response) {
              std::this_thread::sleep_for(request);
              response.set_content("\xBF\xAA", "text/html");
          }) {
        server_.setConnectionSetupDelay(setup);
        server_.start();
    }
    std::string cipher() const {
        return quillo::encipherText("http://127.0.0.1:" + std::to_string(server_.port()) + "/");
    }
    int connections() const { return server_.connectionsAccepted(); }

private:
    quillo::PageServer server_;
};

void report(benchmark::State& state, const LatencyServer& server) {
    state.counters["connections_per_iteration"] =
        benchmark::Counter(server.connections(), benchmark::Counter::kAvgIterations);
}

void BM_TenFetchesKeptAlive(benchmark::State& state) {
    LatencyServer server(milliseconds(state.range(0)), milliseconds(state.range(1)));
    const std::string cipher = server.cipher();
    for (auto _ : state) {
        quillo::ContentClient client(cipher);
        for (int i = 0; i < kFetches; ++i) {
            benchmark::DoNotOptimize(client.fetchPage(kPath));
        }
    }
    report(state, server);
}

void BM_TenFetchesFreshClientEach(benchmark::State& state) {
    LatencyServer server(milliseconds(state.range(0)), milliseconds(state.range(1)));
    const std::string cipher = server.cipher();
    for (auto _ : state) {
        for (int i = 0; i < kFetches; ++i) {
            quillo::ContentClient client(cipher);
            benchmark::DoNotOptimize(client.fetchPage(kPath));
        }
    }
    report(state, server);
}

// Arguments: connection set-up delay, per-request delay (ms).
void latencies(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"setup_ms", "request_ms"})
        ->Args({0, 0})
        ->Args({20, 5})
        ->Args({50, 10})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

BENCHMARK(BM_TenFetchesKeptAlive)->Apply(latencies);
BENCHMARK(BM_TenFetchesFreshClientEach)->Apply(latencies);

void BM_DecipherText(benchmark::State& state) {
    const std::string cipher = quillo::encipherText("http://127.0.0.1:8917/");
    for (auto _ : state) {
        benchmark::DoNotOptimize(quillo::decipherText(cipher));
    }
}
BENCHMARK(BM_DecipherText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
