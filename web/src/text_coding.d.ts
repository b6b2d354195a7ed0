// The two Web APIs the wrapper uses (node 20 and every browser have them),
// declared here so that the wrapper compiles against the language's own
// library alone.
declare class TextEncoder {
  encodeInto(source: string, destination: Uint8Array): { read: number; written: number };
}
declare class TextDecoder {
  decode(input: Uint8Array): string;
}
