// audio_output.js -- the page's sound device: Web Audio, started by the page's first key, click or
// touch, pulling samples from the program (audio_output.cpp) on the page's one thread.
//
// An AudioWorklet plays on the browser's audio thread from a queue it asks the page to top up
// (never more than 3,072 frames, 64 ms, ahead); where the page is no secure context and has no
// worklets, a ScriptProcessorNode asks for the samples directly. football.sound() tells tests and
// bug reports what the device is doing.
mergeInto(LibraryManager.library, {
  football_audio_open: function() {
    var sound = {context: null, started: false, frames: 0, loud: 0, quiet: 0};
    Module.footballSound = sound;
    var line = document.getElementById('sound');
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context && line)
      line.textContent = 'Sound: this browser plays none';
    function showState() {
      if (line)
        line.hidden = sound.context !== null && sound.context.state === 'running';
    }

    // Samples from the program, as one Float32Array per channel; counted.
    function pull(frames) {
      var at = Module['_football_audio_fill'](frames) >> 1;
      var left = new Float32Array(frames), right = new Float32Array(frames);
      for (var i = 0; i < frames && at !== 0; i++) {
        left[i] = HEAP16[at + 2 * i] / 32768;
        right[i] = HEAP16[at + 2 * i + 1] / 32768;
        if (left[i] !== 0 || right[i] !== 0) {
          sound.loud += 1;
          sound.quiet = 0;
        } else {
          sound.quiet += 1;
        }
      }
      sound.frames += frames;
      return [left, right];
    }

    // The worklet's source, made from this function's text.
    var worklet = function() {
      var kQueueFrames = 3072;
      class FootballSound extends AudioWorkletProcessor {
        constructor() {
          super();
          this.queue = [];
          this.offset = 0;
          this.queued = 0;
          this.asking = false;
          this.port.onmessage = (event) => {
            this.queue.push(event.data);
            this.queued += event.data[0].length;
            this.asking = false;
          };
        }
        process(inputs, outputs) {
          var left = outputs[0][0], right = outputs[0][1];
          var done = 0;
          while (done < left.length && this.queue.length > 0) {
            var chunk = this.queue[0];
            var count = Math.min(left.length - done, chunk[0].length - this.offset);
            left.set(chunk[0].subarray(this.offset, this.offset + count), done);
            right.set(chunk[1].subarray(this.offset, this.offset + count), done);
            done += count;
            this.offset += count;
            this.queued -= count;
            if (this.offset === chunk[0].length) {
              this.queue.shift();
              this.offset = 0;
            }
          }
          // A late page leaves silence (the outputs start as zeros), never old samples.
          if (!this.asking && this.queued <= kQueueFrames - 1024) {
            this.asking = true;
            this.port.postMessage(kQueueFrames - this.queued);
          }
          return true;
        }
      }
      registerProcessor('football-sound', FootballSound);
    };

    function connectWorklet(context) {
      var source = '(' + worklet.toString() + ')()';
      var url = URL.createObjectURL(new Blob([source], {type: 'application/javascript'}));
      context.audioWorklet.addModule(url).then(function() {
        var node = new AudioWorkletNode(context, 'football-sound',
                                        {numberOfInputs: 0, outputChannelCount: [2]});
        node.port.onmessage = function(event) {
          var channels = pull(event.data);
          node.port.postMessage(channels, [channels[0].buffer, channels[1].buffer]);
        };
        node.connect(context.destination);
      }).catch(function(reason) {
        console.error('football: no sound: ' + reason);
      });
    }

    function connectScriptProcessor(context) {
      var node = context.createScriptProcessor(1024, 0, 2);
      node.onaudioprocess = function(event) {
        var channels = pull(event.outputBuffer.length);
        event.outputBuffer.getChannelData(0).set(channels[0]);
        event.outputBuffer.getChannelData(1).set(channels[1]);
      };
      node.connect(context.destination);
    }

    // The browser lets a page play only from a user's gesture on (a script's
    // own events are none).
    function start(event) {
      if (!event.isTrusted)
        return;
      if (sound.context === null) {
        if (!Context)
          return;
        sound.context = new Context({sampleRate: 48000, latencyHint: 'interactive'});
        sound.context.onstatechange = showState;
        if (sound.context.audioWorklet)
          connectWorklet(sound.context);
        else
          connectScriptProcessor(sound.context);
      }
      sound.started = true;
      if (sound.context.state === 'suspended' && !document.hidden)
        sound.context.resume();
      showState();
    }
    for (var kind of ['keydown', 'mousedown', 'touchend'])
      window.addEventListener(kind, start, true);

    // A hidden page's match stands still (no animation frames), and so does its sound.
    document.addEventListener('visibilitychange', function() {
      if (sound.context === null)
        return;
      if (document.hidden)
        sound.context.suspend();
      else if (sound.started)
        sound.context.resume();
    });

    window.football = window.football || {};
    window.football.sound = function() {
      return {state: sound.context === null ? 'off' : sound.context.state, frames: sound.frames,
              loud: sound.loud, quiet: sound.quiet};
    };
    showState();
  },

  football_audio_close: function() {
    var sound = Module.footballSound;
    if (sound && sound.context !== null)
      sound.context.close();
  },
});
