// The IPP tests run where nothing can leave the machine: the namespace of
// tests/fixtures/dnssd-namespace.sh has loopback and nothing else.
#include <gtest/gtest.h>
#include <net/if.h>

#include <string>
#include <vector>

TEST(Namespace, LoopbackIsTheOnlyInterface) {
  std::vector<std::string> names;
  if (struct if_nameindex* list = if_nameindex()) {
    for (const struct if_nameindex* entry = list; entry->if_index != 0; ++entry) names.emplace_back(entry->if_name);
    if_freenameindex(list);
  }
  EXPECT_EQ(names, std::vector<std::string>{"lo"});
}
