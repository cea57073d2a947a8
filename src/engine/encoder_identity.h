#pragma once
// How the converter tells its own register.dat from any other file of that
// name: asked with the option alone, the encoder bridge writes the identity
// line and exits with 0. The number grows when the bridge's command line or
// line format changes in a way the converter must know.

inline constexpr char kEncoderIdentityOption[] = "--veltrix-bridge";
inline constexpr char kEncoderIdentity[] = "veltrix bridge 1";
