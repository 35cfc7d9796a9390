# SHA-256 of each of the eight files one run writes: any changed byte fails.
set(dsp_output_digests
  dsp_init_tpb0.inc   586e14c43c1fd8d213dec758872441985870c466033c726af3dddcbd20e9c5c2
  tpb0.dmp            cf3b73bd70c0a8449127eff1e46b4040cfa792bf09d21b4723d7a3fd17bdba57
  dsp_init_tpbp0.inc  bd7ce7f12051864e250819c3b1750b96757802ebf3f234d961b5a36073260b88
  tpbp0.dmp           4876de068efe4cc963cf133b5ed17fabd2449b774cde9789ee153be936a303cd
  dsp_init_tpmb0.inc  e51249d382750cce39d0446e98c8baec438265f421b0bd0396cc82507bc715b2
  tpmb0.dmp           0763126d49fdc719d87c3790961269e5ca529c64a2a510579d80786f303c5f90
  dsp_init_tpmbp0.inc a2ad5227ef6039ac46c8993e5d03ebbfda659b0840b983969579356f5fa5d157
  tpmbp0.dmp          690a6b40aca586ac0551516ffdcdfe1e6c4a9838663e97019ac046fc3b5ba2e8)
