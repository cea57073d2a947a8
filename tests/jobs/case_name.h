#pragma once
// Names the cases of a table-driven test after their `what` text, with every
// character that is not a letter or a digit written as "_".

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace veltrix::test {

struct NameByWhat {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case> &info) const
    {
        std::string name = info.param.what;
        for (char &ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    }
};

} // namespace veltrix::test
